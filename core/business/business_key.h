#pragma once

namespace zumbrel::business {

// The keypad's business buttons.
enum class BusinessKey {
    TvaPlus,      // btnTVAPlus: VAT (or the Quebec taxes) on a price before tax
    TvaMinus,     // btnTVAMoins: back from a price with tax
    EuroToOther,  // btnEuroToFranc
    OtherToEuro,  // btnFrancToEuro
    AeRemaining,  // BtnCAResteAE
    AeCharges,    // BtnChargesAE
    Golden,       // btnNbrGold
};

}  // namespace zumbrel::business
