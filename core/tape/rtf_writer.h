#pragma once

#include <string>
#include <string_view>

#include "core/tape/rich_text.h"

namespace zumbrel::tape {

// A complete RTF 1.x document: Windows-1252 text, \'hh for its upper half and \uN? for
// everything beyond it, one \pard per paragraph with its alignment, one group per run.
// `journal`, when given, is kept in an ignorable destination {\*\zumbreljournal …} that word
// processors skip; it must be printable ASCII without \ { }.
std::string writeRtf(const RichText& text, std::string_view journal = {});

// The text of the {\*\zumbreljournal …} destination of an RTF file, or nothing.
std::string_view journalDestination(std::string_view rtf);

}  // namespace zumbrel::tape
