#pragma once

namespace zumbrel::special {

// The keypad's business buttons.
enum class SpecialKey {
    TvaPlus,      // btnTVAPlus: VAT (or the Quebec taxes) on a price before tax
    TvaMinus,     // btnTVAMoins: back from a price with tax
    EuroToOther,  // btnEuroToFranc
    OtherToEuro,  // btnFrancToEuro
    AeRemaining,  // BtnCAResteAE
    AeCharges,    // BtnChargesAE
    Golden,       // btnNbrGold
};

}  // namespace zumbrel::special
