#include "core/tape/rtf_keywords.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace zumbrel::tape::rtf {
namespace {

class KeywordTable {
  public:
    KeywordTable(std::initializer_list<std::pair<std::string_view, Keyword>> words) {
        for (const auto& [w, k] : words)
            (*this)[w] = k;
    }
    Keyword& operator[](std::string_view w) {
        std::size_t i = slot(w);
        while (!slots_[i].word.empty() && slots_[i].word != w)
            i = (i + 1) % kSlots;
        slots_[i].word = w;
        return slots_[i].keyword;
    }
    Keyword find(std::string_view w) const {
        for (std::size_t i = slot(w);; i = (i + 1) % kSlots) {
            if (slots_[i].word.empty()) return {};
            if (slots_[i].word == w) return slots_[i].keyword;
        }
    }

  private:
    static constexpr std::size_t kSlots = 512;  // well over twice the number of words
    static std::size_t slot(std::string_view w) {
        std::uint32_t h = 2166136261u;
        for (char c : w)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h % kSlots;
    }
    struct Slot {
        std::string_view word;
        Keyword keyword;
    };
    std::array<Slot, kSlots> slots_{};
};

const KeywordTable& keywords() {
    static const auto* table = [] {
        auto* t = new KeywordTable{{"bin", {Kw::Bin}},
                                   {"fonttbl", {Kw::FontTable}},
                                   {"colortbl", {Kw::ColorTable}},
                                   {"red", {Kw::Red}},
                                   {"green", {Kw::Green}},
                                   {"blue", {Kw::Blue}},
                                   {"par", {Kw::Par}},
                                   {"line", {Kw::Par}},
                                   {"row", {Kw::Par}},
                                   {"sect", {Kw::Par}},
                                   {"page", {Kw::Par}},
                                   {"ansicpg", {Kw::AnsiCodePage}},
                                   {"fcharset", {Kw::FontCharset}},
                                   {"cpg", {Kw::FontCodePage}},
                                   {"afs", {Kw::AssociatedSize}},
                                   {"dbch", {Kw::DoubleByte}},
                                   {"loch", {Kw::SingleByte}},
                                   {"hich", {Kw::SingleByte}},
                                   {"u", {Kw::U}},
                                   {"uc", {Kw::Uc}},
                                   {"deff", {Kw::Deff}},
                                   {"pard", {Kw::Pard}},
                                   {"plain", {Kw::Plain}},
                                   {"ql", {Kw::Ql}},
                                   {"qr", {Kw::Qr}},
                                   {"qc", {Kw::Qc}},
                                   {"qj", {Kw::Qj}},
                                   {"b", {Kw::B}},
                                   {"i", {Kw::I}},
                                   {"strike", {Kw::Strike}},
                                   {"striked", {Kw::Strike}},
                                   {"ulnone", {Kw::UlNone}},
                                   {"f", {Kw::F}},
                                   {"fs", {Kw::Fs}},
                                   {"cf", {Kw::Cf}},
                                   {"cb", {Kw::Background}},
                                   {"highlight", {Kw::Background}},
                                   {"chcbpat", {Kw::Background}},
                                   {"emdash", {Kw::Character, 0x2014}},
                                   {"endash", {Kw::Character, 0x2013}},
                                   {"emspace", {Kw::Character, 0x2003}},
                                   {"enspace", {Kw::Character, 0x2002}},
                                   {"qmspace", {Kw::Character, 0x2005}},
                                   {"bullet", {Kw::Character, 0x2022}},
                                   {"lquote", {Kw::Character, 0x2018}},
                                   {"rquote", {Kw::Character, 0x2019}},
                                   {"ldblquote", {Kw::Character, 0x201C}},
                                   {"rdblquote", {Kw::Character, 0x201D}},
                                   {"tab", {Kw::Character, '\t'}},
                                   {"cell", {Kw::Character, '\t'}}};
        for (std::string_view w : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                   "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                   "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            (*t)[w] = {Kw::Ul};
        // Destinations whose content is not text.
        for (std::string_view w : {"stylesheet",
                                   "info",
                                   "pict",
                                   "object",
                                   "header",
                                   "headerl",
                                   "headerr",
                                   "headerf",
                                   "footer",
                                   "footerl",
                                   "footerr",
                                   "footerf",
                                   "footnote",
                                   "annotation",
                                   "fldinst",
                                   "listtable",
                                   "listoverridetable",
                                   "revtbl",
                                   "rsidtbl",
                                   "generator",
                                   "xmlnstbl",
                                   "themedata",
                                   "colorschememapping",
                                   "datastore",
                                   "latentstyles",
                                   "pgdsctbl",
                                   "shp",
                                   "shpinst",
                                   "nonshppict",
                                   "pntext",
                                   "pntxta",
                                   "pntxtb",
                                   "listtext",
                                   "author",
                                   "operator",
                                   "title",
                                   "subject",
                                   "keywords",
                                   "comment",
                                   "doccomm",
                                   "company",
                                   "private",
                                   "fldtype",
                                   "bkmkstart",
                                   "bkmkend",
                                   "txe",
                                   "xe",
                                   "tc",
                                   "atnid",
                                   "atnauthor",
                                   "mmathPr",
                                   "wgrffmtfilter",
                                   "passwordhash",
                                   "template",
                                   "userprops",
                                   "docvar",
                                   "ftnsep",
                                   "ftnsepc",
                                   "aftnsep",
                                   "aftnsepc",
                                   "pn",
                                   "objdata",
                                   "blipuid"})
            (*t)[w] = {Kw::SkippedDestination};
        return t;
    }();
    return *table;
}

}  // namespace

Keyword keyword(std::string_view word) {
    return keywords().find(word);
}

}  // namespace zumbrel::tape::rtf
