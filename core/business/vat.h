#pragma once

#include "core/business/block.h"

namespace zumbrel::business {

// The amounts of a tax block, each rounded to the block's places; they add up exactly.
struct VatAmounts {
    Exact beforeTax;   // HT, "Hors-taxes"
    Exact tax;         // the VAT, or the federal TPS in Quebec
    Exact provincial;  // the Quebec provincial tax; zero for VAT
    Exact withTax;     // TTC, "Total"
};

// Forward from a price before tax, and back from a price with tax: the tax of a backward
// block is what remains of the total once the price before tax is rounded, so the printed
// lines always add up. nothing when the numbers are too large to compute exactly.
std::optional<VatAmounts> vatForward(const Exact& price, const Exact& rate, int places);
std::optional<VatAmounts> vatBackward(const Exact& total, const Exact& rate, int places);
std::optional<VatAmounts> quebecForward(const Exact& price, const Exact& tps, const Exact& tvp,
                                        int places);
std::optional<VatAmounts> quebecBackward(const Exact& total, const Exact& tps, const Exact& tvp,
                                         int places);

// btnTVAPlusClick and btnTVAMoinsClick: VAT, or the Quebec taxes when the language is
// Quebec French.
void CalculTVAPlus(Block& block, const BusinessRegisters& b);
void CalculTVAMoins(Block& block, const BusinessRegisters& b);
void CalculTaxesPlus(Block& block, const BusinessRegisters& b);
void CalculTaxesMoins(Block& block, const BusinessRegisters& b);

}  // namespace zumbrel::business
