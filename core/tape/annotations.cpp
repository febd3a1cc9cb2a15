#include "core/tape/annotations.h"

#include "core/calc/context.h"
#include "core/calc/registers.h"
#include "core/tape/documents.h"
#include "core/tape/rtf_reader.h"

namespace zumbrel::tape {
namespace {

constexpr Color kNavy{8388608};

std::string_view dateFormatOf(config::InstallCode code, std::optional<char> letter) {
    if (code != config::InstallCode::ZMB) return "dddd d mmmm yyyy";
    switch (letter.value_or('F')) {
        case 'E':
            return "dddd d of mmmm yyyy";
        case 'G':
            return "dddd, d. mmmm yyyy";
        case 'P':
        case 'S':
            return "dddd, d mmmm yyyy";
        default:
            return "dddd d mmmm yyyy";  // F, C, I, Q, and any other letter
    }
}

}  // namespace

std::string MajDate(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string dateLine(const DateParts& d, config::InstallCode code, std::optional<char> letter) {
    const std::string_view format = dateFormatOf(code, letter);
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        const std::string_view rest = format.substr(i);
        if (rest.starts_with("dddd")) {
            out += d.dayName;
            i += 4;
        } else if (rest.starts_with("mmmm")) {
            out += d.monthName;
            i += 4;
        } else if (rest.starts_with("yyyy")) {
            out += std::to_string(d.year);
            i += 4;
        } else if (rest.starts_with('d')) {
            out += std::to_string(d.day);
            i += 1;
        } else {
            out += format[i++];  // "of", spaces, commas and points as they stand
        }
    }
    return code == config::InstallCode::ZMB ? MajDate(out) : out;
}

std::pair<std::string, std::string> missingFileMessage(const Translator& tr, std::string_view name,
                                                       std::string_view path) {
    const auto text = [&tr](std::string_view key, std::string_view french) {
        const std::string t = tr.text(Message{key, french});
        return t.empty() ? std::string(french) : t;
    };
    return {text("SMSG_MF_009", "Fichier introuvable..."),
            std::string(name) + "\r\n\r\n" +
                text("MSG_RTFE_022", "Le fichier est absent de ce chemin :") + "\r\n\r\n" +
                std::string(path)};
}

void Annotations::run(AnnotationKey key) {
    switch (key) {
        case AnnotationKey::Date:
            return InsertDate();
        case AnnotationKey::Title:
            return InsertTitle();
        case AnnotationKey::Line:
            return InsertComLine();
        case AnnotationKey::Result:
            return InsertComResult();
        case AnnotationKey::Header:
            return InsertHeader();
        case AnnotationKey::Footer:
            return InsertFooter();
        case AnnotationKey::Erase:
            return btnCleanEditorClick();
    }
}

bool Annotations::waitingOperator(std::string_view openLine) {
    for (std::string_view op : {"+ ", "- ", "– ", "* ", "/ "}) {
        if (openLine == op) return true;
    }
    return false;
}

bool Annotations::calculationUnderWay() const {
    return !regs_.lblTamponNum1.empty() || !regs_.lblTamponNum2.empty();
}

std::string Annotations::text(std::string_view key, std::string_view french) const {
    const std::string t = p_.tr.text(Message{key, french});
    return t.empty() ? std::string(french) : t;
}

std::string Annotations::answer(std::string_view titleKey, std::string_view titleFrench,
                                std::string_view promptKey, std::string_view promptFrench,
                                const std::string& defaultText) {
    // Cancel gives the default text back.
    return p_.prompts
        .inputBox(text(titleKey, titleFrench), text(promptKey, promptFrench), defaultText)
        .value_or(defaultText);
}

// The tape's own font, for a title and a comment.
void Annotations::tapeFont() {
    const TextStyle def = p_.tape.defaultStyle();
    p_.tape.setTypingFont(def.fontName, def.halfPoints);
}

void Annotations::InsertDate() {
    if (!regs_.lblTamponNum1.empty() || !today) {
        p_.sound.beep(Beep::Default);
        return;
    }
    p_.tape.append(dateLine(today(), install, letter));
    p_.tape.restoreDefaultStyle();
    p_.tape.addLine("");
    p_.tape.addLine("");
    p_.tape.scrollToEnd();
}

void Annotations::InsertTitle() {
    // A title that could not be written is not asked for.
    if (calculationUnderWay()) {
        p_.sound.beep(Beep::Default);
        return;
    }
    const std::string title =
        answer("MSG_BOX_ADD_TITLE", "AJOUTER TITRE", "MSG_BOX_ADD_COMMENT_WANT",
               "Veuillez taper le titre de cette opération :", "");
    if (title.empty()) return;
    tapeFont();
    p_.tape.setTypingColor(colors::kBlack);
    p_.tape.setTypingBold(true);
    p_.tape.append(title);
    p_.tape.restoreDefaultStyle();
    p_.tape.addLine("");
    p_.tape.addLine("");
    p_.tape.scrollToEnd();
}

void Annotations::InsertComLine() {
    const std::string comment = answer("MSG_BOX_ADD_TITLE_LINE", "AJOUTER COMMENTAIRE DE LIGNE",
                                       "MSG_BOX_ADD_COMMENT_LINE_WANT",
                                       "Veuillez taper le commentaire de cette ligne :", "");
    if (comment.empty()) {
        p_.sound.beep(Beep::Default);
        return;
    }
    tapeFont();
    p_.tape.setTypingColor(kNavy);
    // The next number is written after it, on its line. In a calculation under way the open
    // line holds the operator waiting for that number ("+ "): the comment goes after it, so
    // that the operator keeps its amount ("+ Fattura 7 30,00"), never alone on a line.
    const bool operatorWaits = waitingOperator(p_.tape.line(p_.tape.lineCount() - 1));
    if (calculationUnderWay() && !operatorWaits)
        p_.tape.addLine(comment + " ");
    else
        p_.tape.append(comment + " ");
    p_.tape.restoreDefaultStyle();
    p_.tape.scrollToEnd();
}

void Annotations::InsertComResult() {
    const std::string comment =
        answer("MSG_BOX_ADD_TITLE_RESULT", "AJOUTER COMMENTAIRE DE RÉSULTAT",
               "MSG_BOX_ADD_COMMENT_RESULT_WANT",
               "Veuillez taper le commentaire de résultat :", regs_.edtComResult);
    if (!comment.empty()) regs_.edtComResult = comment;
    p_.tape.restoreDefaultStyle();
}

void Annotations::insertFile(const std::string& path) {
    // In the middle of a calculation a header or footer would break the chain's layout.
    if (calculationUnderWay()) {
        p_.sound.beep(Beep::Default);
        return;
    }
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (path.empty() || !p_.files.exists(path)) {
        const auto [title, message] = missingFileMessage(p_.tr, name, path);
        p_.prompts.messageBox(title, message, Icon::Exclamation, Buttons::Ok);
        return;
    }
    if (const auto size = p_.files.size(path); size && *size > kLargestHeaderFile) {
        p_.prompts.messageBox(
            "Zumbrel",
            text("MSG_HEADER_TOO_LARGE",
                 "Ce fichier est trop grand pour un entête ou un pied de page (plus de 4 Mo) :") +
                "\r\n" + path,
            Icon::Exclamation, Buttons::Ok);
        return;
    }
    std::string error;
    const std::optional<std::string> bytes = p_.files.read(path, error);
    if (!bytes || bytes->size() > kLargestHeaderFile) {
        p_.prompts.messageBox("Zumbrel",
                              text("MSG_FILE_NOT_READ", "Le fichier n'a pas pu être ouvert :") +
                                  "\r\n" + path + (error.empty() ? "" : "\r\n" + error),
                              Icon::Exclamation, Buttons::Ok);
        return;
    }
    // A damaged file is read as far as it goes; nothing of it is HTML or a command.
    ReadResult read = readRichOrPlain(*bytes, {p_.tape.defaultStyle(), Align::Left});
    RichText& inserted = read.text;
    const std::size_t last = inserted.paragraphCount() - 1;
    if (last == 0 && inserted.text(0).empty()) return;
    // A header or footer ends its own line, even when its file has no final paragraph mark
    // (the editor writes none): the next operand never joins its last line.
    if (!inserted.text(last).empty()) inserted.newParagraph(inserted.align(last));
    p_.tape.insertRichText(inserted);
    p_.tape.restoreDefaultStyle();
    p_.tape.scrollToEnd();
}

void Annotations::btnCleanEditorClick() {
    if (p_.tape.isEmpty()) {
        p_.sound.beep(Beep::Default);
        return;
    }
    if (settings_.okBoxGum &&
        p_.prompts.messageBox(
            text("SMSG_MF_002", "Demande de confirmation..."),
            text("SMSG_MF_007", "Souhaitez-vous effacer toute la liste du Ruban ?"),
            Icon::Exclamation, Buttons::YesNo) != Answer::Yes)
        return;
    documents_.tapeReset(false);
}

}  // namespace zumbrel::tape
