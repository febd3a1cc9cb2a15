#include "core/memory_ports.h"

#include "core/calc/registers.h"

namespace zumbrel {

void MemoryHistory::append(std::string_view text) {
    lines_.append([&](Line& l) { l.text.append(text); });
}

void MemoryHistory::addLine(std::string_view text) {
    lines_.addLine([&](Line& l) { l.text.append(text); });
}

std::vector<std::string> MemoryHistory::lines() const {
    std::vector<std::string> out;
    out.reserve(lines_.count());
    for (std::size_t i = 0; i < lines_.count(); ++i)
        out.push_back(lines_.at(i)->text);
    return out;
}

Answer ScriptedPrompts::messageBox(std::string_view title, std::string_view text, Icon,
                                   Buttons buttons) {
    Answer a = Answer::Ok;
    if (buttons != Buttons::Ok) {
        a = defaultAnswer_;
        if (script_ && !script_->empty()) {
            const std::string word = script_->front();
            script_->pop_front();
            a = word == "no" ? Answer::No : word == "cancel" ? Answer::Cancel : Answer::Yes;
        } else if (!answers_.empty()) {
            a = answers_.front();
            answers_.pop_front();
        }
    }
    log_.push_back(
        {"message", std::string(title) + " | " + std::string(text), std::string(answerName(a))});
    return a;
}

std::optional<std::string> ScriptedPrompts::inputBox(std::string_view title,
                                                     std::string_view prompt,
                                                     std::string_view defaultText) {
    std::optional<std::string> answer = std::string(defaultText);
    if (script_ && !script_->empty()) {
        // The script of answers: "cancel" cancels, any other word is typed.
        answer = script_->front() == "cancel" ? std::nullopt
                                              : std::optional<std::string>(script_->front());
        script_->pop_front();
    } else if (!inputs_.empty()) {
        answer = inputs_.front();
        inputs_.pop_front();
    }
    log_.push_back({"input", std::string(title) + " | " + std::string(prompt),
                    answer ? *answer : std::string("(cancelled)")});
    return answer;
}

std::optional<std::string> ScriptedDialogs::answer(std::string_view kind,
                                                   const FileDialogOptions& options) {
    proposed.push_back(options.fileName);
    filters.push_back(options.filter);
    std::optional<std::string> chosen;
    if (!script_.empty()) {
        if (script_.front() != "cancel") chosen = script_.front();
        script_.pop_front();
    }
    if (chosen && !folder.empty() && chosen->front() != '/') chosen = folder + "/" + *chosen;
    log_.push_back({"dialog", std::string(kind) + " " + options.title,
                    chosen ? *chosen : std::string("(cancelled)")});
    return chosen;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogOptions& options) {
    return answer("open", options);
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogOptions& options) {
    return answer("save", options);
}

void RecordingSound::playSync(std::string_view path) {
    log_.push_back({"play", "sync " + std::string(path), {}});
}
void RecordingSound::playAsync(std::string_view path) {
    log_.push_back({"play", "async " + std::string(path), {}});
}
void RecordingSound::beep(Beep kind) {
    log_.push_back({"beep", std::string(beepName(kind)), {}});
}

void SilentVoice::speakKey(char key, calc::Registers& regs) {
    if (key >= '0' && key <= '9') regs.resultShown = false;
}

void RecordingVoice::speakKey(char key, calc::Registers& regs) {
    if (key >= '0' && key <= '9') regs.resultShown = false;
    log_.push_back(
        {"voice", key == '\r' ? std::string("key Enter") : "key " + std::string(1, key), {}});
}

void RecordingVoice::readResult(const calc::Registers& regs) {
    log_.push_back({"voice", "read " + regs.edtSaisie, {}});
}

void RecordingVoice::keypadSound(KeypadSound sound, const calc::Registers&) {
    log_.push_back({"voice", std::string(keypadSoundName(sound)), {}});
}

void RecordingVoice::disarmKeySound() {
    log_.push_back({"voice", "disarm", {}});
}

std::optional<std::string> MemoryFileSystem::read(std::string_view path, std::string& error) const {
    const auto it = files.find(std::string(path));
    if (it == files.end()) {
        error = "No such file or directory";
        return std::nullopt;
    }
    return it->second;
}

namespace {
std::string folderOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string(".") : std::string(path.substr(0, slash));
}
}  // namespace

bool MemoryFileSystem::writeAtomically(std::string_view path, std::string_view bytes,
                                       std::string& error) {
    if (!canWriteIn(folderOf(path))) {
        error = "Permission denied";
        return false;
    }
    files[std::string(path)] = std::string(bytes);
    return true;
}

std::vector<std::string> MemoryFileSystem::list(std::string_view folder) const {
    std::string prefix(folder);
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    std::set<std::string> names;
    auto add = [&](const std::string& path) {
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0) {
            const std::string rest = path.substr(prefix.size());
            names.insert(rest.substr(0, rest.find('/')));
        }
    };
    for (const auto& [path, bytes] : files)
        add(path);
    for (const std::string& f : folders)
        add(f);
    return {names.begin(), names.end()};
}

bool MemoryFileSystem::canWriteIn(std::string_view folder) const {
    return folderExists(folder) && readOnlyFolders.count(std::string(folder)) == 0;
}

bool MemoryFileSystem::createFolders(std::string_view path) {
    std::string p(path);
    while (!p.empty() && p != "/" && p != ".") {
        folders.insert(p);
        p = folderOf(p);
    }
    return true;
}

std::string_view beepName(Beep kind) {
    switch (kind) {
        case Beep::Default:
            return "default";
        case Beep::Asterisk:
            return "asterisk";
        case Beep::Exclamation:
            return "exclamation";
        case Beep::Hand:
            return "hand";
        case Beep::Question:
            return "question";
    }
    return "default";
}

std::string_view keypadSoundName(KeypadSound sound) {
    switch (sound) {
        case KeypadSound::DoubleZero:
            return "double zero";
        case KeypadSound::TripleZero:
            return "triple zero";
        case KeypadSound::PercentButton:
            return "percent button";
        case KeypadSound::PercentBeforeBegin:
            return "oups (percent before any number)";
        case KeypadSound::NothingToCompute:
            return "oups (nothing to compute)";
        case KeypadSound::CommonClick:
            return "common click";
    }
    return "";
}

std::string_view answerName(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "ok";
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
        case Answer::Cancel:
            return "cancel";
    }
    return "ok";
}

}  // namespace zumbrel
