#pragma once

#include <optional>

#include "core/calc/key_script.h"

class QKeyEvent;

namespace zumbrel::gui {

enum class KeyRole { Digit, Operator, Equals, Function };

// One key of the keypad: where it stands, what it shows, what it does. Clicks and typing
// take the same road: a key sends its character, or runs its own command.
struct KeyDef {
    const char* name;     // the control's name
    const char* caption;  // UTF-8
    int row, column, rowSpan, columnSpan;
    KeyRole role;
    calc::KeyAction action;
    const char* description;  // for screen readers
};

inline const KeyDef kKeys[] = {
    {"btnRacine", "√", 0, 0, 1, 1, KeyRole::Function, calc::Command::SquareRoot, "Racine carrée"},
    {"btnPlus_Moins", "±", 0, 1, 1, 1, KeyRole::Function, calc::Command::SignChange,
     "Changer le signe"},
    {"btnPourcent", "%", 0, 2, 1, 1, KeyRole::Function, calc::Command::PercentButton,
     "Pourcentage"},
    {"btnDiviser", "÷", 0, 3, 1, 1, KeyRole::Operator, '/', "Diviser"},
    {"btn7", "7", 1, 0, 1, 1, KeyRole::Digit, '7', "Sept"},
    {"btn8", "8", 1, 1, 1, 1, KeyRole::Digit, '8', "Huit"},
    {"btn9", "9", 1, 2, 1, 1, KeyRole::Digit, '9', "Neuf"},
    {"btnMultiplier", "×", 1, 3, 1, 1, KeyRole::Operator, '*', "Multiplier"},
    {"btn4", "4", 2, 0, 1, 1, KeyRole::Digit, '4', "Quatre"},
    {"btn5", "5", 2, 1, 1, 1, KeyRole::Digit, '5', "Cinq"},
    {"btn6", "6", 2, 2, 1, 1, KeyRole::Digit, '6', "Six"},
    {"btnMoins", "−", 2, 3, 1, 1, KeyRole::Operator, '-', "Soustraire"},
    {"btn1", "1", 3, 0, 1, 1, KeyRole::Digit, '1', "Un"},
    {"btn2", "2", 3, 1, 1, 1, KeyRole::Digit, '2', "Deux"},
    {"btn3", "3", 3, 2, 1, 1, KeyRole::Digit, '3', "Trois"},
    {"btnPlus", "+", 3, 3, 1, 1, KeyRole::Operator, '+', "Additionner"},
    {"btn0", "0", 4, 0, 1, 1, KeyRole::Digit, '0', "Zéro"},
    {"btnDoubleZero", "00", 4, 1, 1, 1, KeyRole::Digit, calc::Command::DoubleZero, "Double zéro"},
    {"btnTripleZero", "000", 4, 2, 1, 1, KeyRole::Digit, calc::Command::TripleZero, "Triple zéro"},
    {"btnDecimalSeparator", ",", 4, 3, 1, 1, KeyRole::Digit, ',', "Séparateur décimal"},
    {"btnEgal", "=", 0, 4, 5, 1, KeyRole::Equals, '\r', "Égal : calculer le résultat"},
};

// What a key typed on the keyboard does to the calculator: a character or a command, or
// nothing when the key is someone else's.
std::optional<calc::KeyAction> calculatorKey(const QKeyEvent& e);
// The arrows are taken without doing anything.
bool isSwallowedKey(const QKeyEvent& e);

}  // namespace zumbrel::gui
