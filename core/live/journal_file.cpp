#include "core/live/journal_file.h"

#include <charconv>

#include "core/calc/input_line.h"
#include "core/calc/key_script.h"

namespace zumbrel::live {
namespace {

constexpr std::string_view kHeader = "1 ";
constexpr std::string_view kCommandTokens[] = {"b", "d", "x", "[00]", "[000]", "p", "s", "r", "R"};

bool plainByte(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ',' ||
           c == '.' || c == '\'' || c == '-' || c == '+';
}

void appendEncoded(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text) {
        if (plainByte(c)) {
            out += c;
            continue;
        }
        const auto b = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
}

std::optional<std::string> decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= text.size()) return std::nullopt;
        const auto [p, ec] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
        if (ec != std::errc() || p != text.data() + i + 3) return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

// Every text of the rates, in the order a file keeps them.
std::vector<std::string*> rateTexts(business::BusinessRegisters& r) {
    std::vector<std::string*> t{&r.pnlTauxTVA};
    for (std::string& rate : r.lblTauxTVA)
        t.push_back(&rate);
    t.insert(t.end(),
             {&r.lblTauxTPS, &r.lblTauxTVP, &r.lblQuebTVP, &r.lblTauxEuro, &r.lblRefMoneyEuros,
              &r.lblRefMoneyFrancs, &r.btnEuroToFranc, &r.btnFrancToEuro});
    for (std::string& rate : r.lblTauxAE_)
        t.push_back(&rate);
    for (std::string& ceiling : r.lblCAMaxAE_)
        t.push_back(&ceiling);
    t.insert(t.end(), {&r.lblTauxAE, &r.lblCAMaxAE, &r.lblProfilAE});
    return t;
}

// The rates a block was written with, as "[R=…]" keeps them: the installation code, the
// language letter, then every text, separated by tabs (percent-encoded in the file).
std::string ratesText(business::BusinessRegisters rates) {
    std::string out = std::to_string(static_cast<int>(rates.install)) + '\t';
    if (rates.letter) out += *rates.letter;
    for (const std::string* t : rateTexts(rates)) {
        out += '\t';
        out += *t;
    }
    return out;
}

std::optional<business::BusinessRegisters> ratesFromText(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t at = 0;;) {
        const std::size_t tab = text.find('\t', at);
        fields.push_back(text.substr(at, tab == std::string_view::npos ? tab : tab - at));
        if (tab == std::string_view::npos) break;
        at = tab + 1;
    }
    business::BusinessRegisters rates;
    std::vector<std::string*> texts = rateTexts(rates);
    if (fields.size() != texts.size() + 2 || fields[0].size() != 1 || fields[0][0] < '0' ||
        fields[0][0] > '2' || fields[1].size() > 1)
        return std::nullopt;
    rates.install = static_cast<config::InstallCode>(fields[0][0] - '0');
    rates.letter = fields[1].empty() ? std::nullopt : std::optional<char>(fields[1][0]);
    for (std::size_t i = 0; i < texts.size(); ++i)
        *texts[i] = std::string(fields[i + 2]);
    return rates;
}

// The characters the input line takes; any other typed character did nothing.
bool typedCharacter(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == '+' || c == '-' || c == '*' ||
           c == '/' || c == '%' || c == '\r';
}

void appendStep(std::string& out, const Journal& journal, const Step& s) {
    switch (s.kind) {
        case Step::Kind::Char:
            if (typedCharacter(static_cast<char>(s.code)))
                out += s.code == '\r' ? '=' : static_cast<char>(s.code);
            return;
        case Step::Kind::Command:
            if (s.code < std::size(kCommandTokens)) out += kCommandTokens[s.code];
            return;
        case Step::Kind::Business:
            out += '[';
            out += calc::businessKeyName(static_cast<business::BusinessKey>(s.code));
            out += ']';
            return;
        case Step::Kind::GrandTotal:
            out += s.code == 0 ? "[GT]" : "[GTC]";
            return;
        case Step::Kind::Number:
        case Step::Kind::Comment:
        case Step::Kind::Format:
            out += s.kind == Step::Kind::Number    ? "[N="
                   : s.kind == Step::Kind::Comment ? "[C="
                                                   : "[F=";
            appendEncoded(out, journal.text(s));
            out += ']';
            return;
        case Step::Kind::Foreign: {
            const tape::RichText& f = journal.fragment(s);
            out += "[#" + std::to_string(f.paragraphCount() - 1) + "." +
                   std::to_string(f.text(f.paragraphCount() - 1).size()) + "]";
            return;
        }
        case Step::Kind::Rates:
            // A tape reopened under other rates or in another language writes its blocks
            // again with the ones they were written with.
            out += "[R=";
            appendEncoded(out, ratesText(journal.rates(s)));
            out += ']';
            return;
        case Step::Kind::State:
            return;  // not kept in files: a tape reopened is checked against its lines
    }
}

std::optional<std::size_t> number(std::string_view digits) {
    std::size_t n = 0;
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    const auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || p != digits.data() + digits.size()) return std::nullopt;
    return n;
}

// One step of the key language, as a journal keeps it.
std::optional<Step> keyStep(std::string_view token) {
    const std::vector<calc::KeyAction> keys = calc::parseKeys(token);
    if (keys.size() != 1) return std::nullopt;
    const calc::KeyAction& k = keys.front();
    if (const char* c = std::get_if<char>(&k)) {
        if (!typedCharacter(*c)) return std::nullopt;
        return Step{Step::Kind::Char, static_cast<std::uint8_t>(*c)};
    }
    if (const auto* cmd = std::get_if<calc::Command>(&k))
        return Step{Step::Kind::Command, static_cast<std::uint8_t>(*cmd)};
    if (const auto* b = std::get_if<business::BusinessKey>(&k))
        return Step{Step::Kind::Business, static_cast<std::uint8_t>(*b)};
    if (const auto* kept = std::get_if<calc::KeptKey>(&k)) {
        if (kept->kind == calc::KeptKey::Kind::GrandTotal) return Step{Step::Kind::GrandTotal, 0};
        if (kept->kind == calc::KeptKey::Kind::GrandTotalClear)
            return Step{Step::Kind::GrandTotal, 1};
    }
    return std::nullopt;
}

}  // namespace

std::string journalText(const Journal& journal) {
    std::string out(kHeader);
    out += std::to_string(journal.start().firstLine) + " ";
    appendEncoded(out, formatKeyOf(journal.start().regs, journal.start().countItems));
    out += ";[R=";
    appendEncoded(out, ratesText(journal.start().business));  // the rates it began with
    out += ']';
    for (const Step& s : journal.steps())
        appendStep(out, journal, s);
    return out;
}

std::optional<ReadJournal> readJournalText(std::string_view text) {
    if (!text.starts_with(kHeader)) return std::nullopt;
    text.remove_prefix(kHeader.size());
    const std::size_t semicolon = text.find(';');
    const std::size_t space = text.find(' ');
    if (semicolon == std::string_view::npos || space > semicolon) return std::nullopt;
    const std::optional<std::size_t> first = number(text.substr(0, space));
    const std::optional<std::string> format =
        decoded(text.substr(space + 1, semicolon - space - 1));
    if (!first || !format || format->find('\t') == std::string::npos) return std::nullopt;
    ReadJournal out;
    out.firstLine = *first;
    out.format = *format;
    text.remove_prefix(semicolon + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view token = text.substr(i, 1);
        if (text[i] == '[') {
            const std::size_t close = text.find(']', i);
            if (close == std::string_view::npos) return std::nullopt;
            token = text.substr(i, close - i + 1);
            i = close;
        }
        const std::string_view inner = token.size() >= 2 ? token.substr(1, token.size() - 2) : "";
        ReadJournal::Item item;
        if (token.starts_with("[R=")) {
            const std::optional<std::string> t = decoded(inner.substr(2));
            if (!t) return std::nullopt;
            const std::optional<business::BusinessRegisters> rates = ratesFromText(*t);
            if (!rates) return std::nullopt;
            item.step.kind = Step::Kind::Rates;
            item.rates = out.rates.size();
            out.rates.push_back(*rates);
        } else if (token.starts_with("[N=") || token.starts_with("[C=") ||
                   token.starts_with("[F=")) {
            const std::optional<std::string> t = decoded(inner.substr(2));
            if (!t) return std::nullopt;
            item.step.kind = token[1] == 'N'   ? Step::Kind::Number
                             : token[1] == 'C' ? Step::Kind::Comment
                                               : Step::Kind::Format;
            item.text = *t;
        } else if (token.starts_with("[#")) {
            const std::size_t dot = inner.find('.');
            const auto breaks = number(inner.substr(1, dot - 1));
            const auto bytes =
                dot == std::string_view::npos ? std::nullopt : number(inner.substr(dot + 1));
            if (!breaks || !bytes) return std::nullopt;
            item.step.kind = Step::Kind::Foreign;
            item.breaks = *breaks;
            item.lastBytes = *bytes;
        } else if (const std::optional<Step> key = keyStep(token)) {
            item.step = *key;
        } else {
            return std::nullopt;
        }
        out.items.push_back(std::move(item));
    }
    return out;
}

}  // namespace zumbrel::live
