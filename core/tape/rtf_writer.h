#pragma once

#include <string>

#include "core/tape/rich_text.h"

namespace zumbrel::tape {

// A complete RTF 1.x document: Windows-1252 text, \'hh for its upper half and \uN? for
// everything beyond it, one \pard per paragraph with its alignment, one group per run.
std::string writeRtf(const RichText& text);

}  // namespace zumbrel::tape
