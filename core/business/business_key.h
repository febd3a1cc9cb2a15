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
    // The cost, sale price and margin block.
    Cost,        // Coût: the cost before tax
    Sale,        // Vente: the sale price before tax
    MarginRate,  // Marge %: the taux de marge (the margin over the cost)
    MarkonRate,  // its long press: the taux de marque (the margin over the sale price)
};

}  // namespace zumbrel::business
