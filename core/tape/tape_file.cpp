#include "core/tape/tape_file.h"

#include "core/tape/rtf_writer.h"

namespace zumbrel::tape {
namespace {

// The lines a tape holds once the text is loaded: a final empty paragraph is the open line.
std::size_t lineCount(const RichText& text) {
    const std::size_t last = text.paragraphCount() - 1;
    return text.runs(last).empty() ? last : last + 1;
}

}  // namespace

bool saveTapeFile(const Tape& tape, FileSystem& files, std::string_view path, std::string& error,
                  std::string_view journal) {
    return files.writeAtomically(path, writeRtf(tape.richText(), journal), error);
}

OpenResult openTapeFile(Tape& tape, const FileSystem& files, std::string_view path, LastLine last) {
    OpenResult result;
    const auto failed = [&result](OpenFailure why) {
        result.failure = why;
        return result;
    };
    if (const auto size = files.size(path); size && *size > kMaxTapeFileBytes)
        return failed(OpenFailure::TooLarge);
    auto bytes = files.read(path, result.error);
    if (!bytes) return failed(OpenFailure::Unreadable);
    // A file that grew after its size was read, or whose size could not be known.
    if (bytes->size() > kMaxTapeFileBytes) return failed(OpenFailure::TooLarge);
    ReadDefaults defaults{tape.defaultStyle(), Align::Right};
    ReadResult read = readRichOrPlain(*bytes, defaults, kMaxTapeLines);
    result.rtf = read.wasRtf;
    if (read.wasRtf) result.journal = std::string(journalDestination(*bytes));
    bytes.reset();  // the file is read: the tape is built without it
    result.problem = read.problem;
    if (read.problem == ReadProblem::NotText) return failed(OpenFailure::NotATape);
    RichText& text = read.text;
    if (read.problem == ReadProblem::TooManyLines || lineCount(text) > kMaxTapeLines)
        return failed(OpenFailure::TooManyLines);
    const bool endsInsideALine = !text.runs(text.paragraphCount() - 1).empty();
    tape.loadTaking(std::move(text));
    // A file whose last line has no line break: the next line of the tape starts below it.
    if (endsInsideALine && last == LastLine::Closed) tape.addLine("");
    result.ok = true;
    return result;
}

std::optional<RichText> LoadStrangeRTF(const FileSystem& files, std::string_view path,
                                       const ReadDefaults& defaults, std::string& error) {
    const auto bytes = files.read(path, error);
    if (!bytes) return std::nullopt;
    ReadResult read = readRichOrPlain(*bytes, defaults);
    if (read.problem == ReadProblem::NotText) return std::nullopt;
    return std::move(read.text);
}

}  // namespace zumbrel::tape
