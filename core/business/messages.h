#pragma once

#include "core/ports.h"

// The words of the business blocks: language-file key and built-in French text.
namespace zumbrel::business::msg {

inline constexpr Message kHT{"APPEND_HT", "HT"};
inline constexpr Message kTVA{"APPEND_TVA", "TVA"};
inline constexpr Message kTTC{"APPEND_TTC", "TTC"};
inline constexpr Message kTheSum{"APPEND_THE_SOM", "Somme en"};

inline constexpr Message kProfile{"COMBO_BOX_PROFILE", "Profil"};
inline constexpr Message kSE{"SE", "AE"};
// The words after the SE text on the two self-employed buttons.
inline constexpr Message kRemainingButton{"SE_REMAINING_BUTTON", "Reste"};
inline constexpr Message kChargesButton{"SE_CHARGES_BUTTON", "Charges"};
inline constexpr Message kMaximumCA{"APPEND_MAXIMUM_CA", "CA alloué :"};
inline constexpr Message kRealizedCA{"APPEND_REALIZED_CA", "CA en cours :"};
inline constexpr Message kCARemaining{"APPEND_CA_REMAINING", "Plafond CA à effectuer :"};
inline constexpr Message kExceedCA{"APPEND_EXCEED_CA", "ATTENTION ! CA DÉPASSÉ DE :"};
inline constexpr Message kLessTheTaxes{"APPEND_LESS_THE_TAXES", "Moins les charges :"};
inline constexpr Message kRestLessTaxes{"APPEND_REST_LESS_TAXES", "Reste CA moins charges :"};
inline constexpr Message kFollowingExceedCA{"MSG_FOLLOWING_EXCEED_CA ", "Attention CA dépassé !"};
inline constexpr Message kChargeAE{"APPEND_CHARGE_AE", "Charges AE"};

inline constexpr Message kGoldenNumber{"APPEND_GOLDEN_NUMBER", "Nombre d'Or"};
inline constexpr Message kTheGoldenNumberOf{"MSG_THE_GOLDEN_NUMBER_OF", "Le Nombre d'Or de"};

// Not in the original set: a rate or a ceiling that cannot be computed with.
inline constexpr Message kRateNotValid{"MSG_RATE_NOT_VALID",
                                       "Taux non valide, calcul impossible :"};
inline constexpr Message kCeilingNotValid{"MSG_CEILING_NOT_VALID",
                                          "Plafond de CA non valide, calcul impossible :"};

// The cost, sale price and margin block (not in the original set).
inline constexpr Message kMarginCost{"MARGIN_COST", "Coût HT"};
inline constexpr Message kMarginAmount{"MARGIN_AMOUNT", "Marge"};
inline constexpr Message kMarginSale{"MARGIN_SALE", "Prix de vente HT"};
inline constexpr Message kMarginRateOnCost{"MARGIN_RATE_ON_COST", "Taux de marge (%)"};
inline constexpr Message kMarginRateOnSale{"MARGIN_RATE_ON_SALE", "Taux de marque (%)"};
// The block's keys: their captions, and the margin key's second value (long press, menu).
inline constexpr Message kMarginCostButton{"MARGIN_COST_BUTTON", "Coût"};
inline constexpr Message kMarginSaleButton{"MARGIN_SALE_BUTTON", "Vente"};
inline constexpr Message kMarginRateButton{"MARGIN_RATE_BUTTON", "Marge %"};
inline constexpr Message kMarginMarkonItem{"MARGIN_MARKON_ITEM", "Taux de marque (%)"};
inline constexpr Message kMarginZeroCost{
    "MSG_MARGIN_ZERO_COST", "Un coût nul ne donne aucun taux de marge : rien n'est calculé."};
inline constexpr Message kMarginZeroSale{
    "MSG_MARGIN_ZERO_SALE",
    "Un prix de vente nul ne donne aucun taux de marque : rien n'est calculé."};
inline constexpr Message kMarginRateOnSaleTooHigh{
    "MSG_MARGIN_RATE_ON_SALE_TOO_HIGH",
    "Un taux de marque de 100 % ou plus est impossible : rien n'est calculé."};

}  // namespace zumbrel::business::msg
