#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/business/business_key.h"
#include "core/calc/input_line.h"
#include "core/calc/kept_places.h"
#include "core/live/corrections.h"
#include "core/tape/annotations.h"
#include "core/tape/documents.h"

namespace zumbrel::calc {

// The small key language of the headless driver, the tests and the benchmarks:
//   0-9 , . + - * / %   typed as they are ("." and "," both type the decimal separator)
//   = or a line break   Enter
//   r or √              square root          s or ±   sign change
//   p                   the percent button   R        Reset
//   x                   Escape               b        Backspace     d   Delete
//   [00] [000]          the double- and triple-zero buttons
//   [>M1] [M1>] …       the display dropped on memory 1 to 3, a memory dropped on the display
//   [>L] [L1>] [H1>]    the display dropped on the number list; the list's (history's)
//                       n-th item chosen, 1-based
//   [>PP] [PP>] [V]     the display dropped on the clipboard panel, the panel double-clicked,
//                       paste
//   [M+] [M-] [MR] [MC] memory 1 plus, minus, recall, clear; [M2+] … [M3C] memories 2, 3
//   [GT] [GTC]          the grand total (twice in a row: cleared), and its clear
//   [TVA+] [TVA-]       VAT forwards and backwards (the Quebec taxes in Quebec French)
//   [E>F] [F>E]         euros to the other currency and back
//   [AE] [AEC]          self-employed: turnover still allowed, charges
//   [OR]                the golden number
//   [COST] [SELL] [MARGIN] [MARKON]   the margin block: cost, sale price, taux de marge,
//                       taux de marque (two of them write the block)
//   [NEW] [OPEN] [SAVE] [SAVEAS] [QUIT]   the file commands and the close (their dialogs
//                       and questions answer from the script of answers)
//   [DATE] [TITLE] [LINE] [RESULT] [HEADER] [FOOTER] [ERASE]   the date, the operation title,
//                       the line and result comments (answered from the script of answers),
//                       the header and footer files, the eraser of the whole tape
//   [FIX n=TEXT] [FIXOP n=OP] [DEL n] [INS n=OPTEXT] [UNDO] [REDO]   corrections of tape
//                       line n (from 1): its amount, its operator, the line deleted, an
//                       operand inserted after it ([INS 1=+3]); undo and redo
//   spaces are ignored; any other character is typed as it is (and refused by the input line).
using KeyAction = std::variant<char, Command, KeptKey, business::BusinessKey, tape::DocumentKey,
                               tape::AnnotationKey, live::CorrectionKey>;

std::vector<KeyAction> parseKeys(std::string_view script);
// The first bracket that names no key ("[tva+]", "[FIX x=5]", a "[" never closed), as a
// message; nothing when every bracket is a key. parseKeys types such brackets character by
// character, so that scripts must be checked first.
std::optional<std::string> unknownKey(std::string_view script);
// "TVA+" for BusinessKey::TvaPlus: a business button's name in scripts.
std::string_view businessKeyName(business::BusinessKey key);

class Calculator;
void runAction(Calculator& calc, const KeyAction& action);
void runKeys(Calculator& calc, std::string_view script);

}  // namespace zumbrel::calc
