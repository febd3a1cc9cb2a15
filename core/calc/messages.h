#pragma once

#include "core/ports.h"

// The calculator's own texts: language-file key and built-in French text.
namespace zumbrel::calc::msg {

inline constexpr Message kInterimResult{"MSG_INTERM_RESULT", "Résultat intermédiaire :"};
inline constexpr Message kSubtotal{"MSG_SUBTOTAL", "Sous-total :"};
inline constexpr Message kDivisionByZero{"MSG_ERROR_DZ", "Division par zéro, opération stoppée !"};
inline constexpr Message kOverflow19{"SMSG_MF_003",
                                     "Résultat faussé : dépassement capacité de 19 chiffres !"};
inline constexpr Message kAddResultComment{
    "SMSG_MF_001", "Souhaitez-vous ajouter le commentaire de résultat suivant :"};
inline constexpr Message kConfirmTitle{"SMSG_MF_002", "Demande de confirmation..."};
inline constexpr Message kSquareRoot{"MSG_SQUARE_ROOT", "La racine carrée de"};
inline constexpr Message kIs{"MSG_IS", "est :"};
inline constexpr Message kNegativeValue{"MSG_GRND_NEG_VALUE_OPE",
                                        "Opération sans objet sur valeur négative"};
inline constexpr Message kPressReset{"MSG_RESET",
                                     "Appuyez sur le bouton Reset afin de réinitialiser"};
inline constexpr Message kResetDone{"MSG_MF_MM_027", "Calculatrice Zumbrel réinitialisée"};
// Not in the original set: a register that holds no number, and a result beyond range.
inline constexpr Message kNotANumber{"MSG_NOT_A_NUMBER",
                                     "Ce nombre n'est pas valide, opération stoppée :"};
inline constexpr Message kOutOfRange{"MSG_OUT_OF_RANGE",
                                     "Résultat hors des limites du calcul, opération stoppée !"};

// Not in the original set: a digit that would take the entry past its capacity.
inline constexpr Message kEntryFull{"MSG_ENTRY_CAPACITY",
                                    "Capacité de saisie atteinte : 18 chiffres"};

// Why a key did nothing, and what still waits after Escape.
inline constexpr Message kAfterPercent{"MSG_AFTER_PERCENT",
                                       "Après un pourcentage : un opérateur ou Entrée"};
inline constexpr Message kPendingOperation{"MSG_PENDING_OPERATION", "Opération en cours :"};
// After M+, M− and MC: what the memory now holds ("Mémoire 2 : 250,00"); %1 is its number.
inline constexpr Message kMemoryHolds{"MSG_MEMORY_HOLDS", "Mémoire %1 :"};

inline constexpr Message kClipboardNotValid{"MSG_CLIPBRD_NOT_VALID",
                                            "Le contenu du presse-papier n'est pas valide :"};
inline constexpr Message kClipboardHolds{"MSG_MF_MM_001", "Le presse-papier contient :"};
inline constexpr Message kEmptyNumberList{"MSG_MF_MM_028",
                                          "La liste des nombres mémorisés est vide"};

inline constexpr std::string_view kErrorTitle = "Error...";
inline constexpr std::string_view kRuleLine = "——————————";  // ten em dashes

}  // namespace zumbrel::calc::msg
