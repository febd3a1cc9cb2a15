#include "special/business.h"

#include "special/currency.h"
#include "special/golden.h"
#include "special/self_employed.h"
#include "special/vat.h"

namespace zumbrel::special {

void runSpecial(SpecialKey key, Block& block, const BusinessRegisters& b) {
    switch (key) {
        case SpecialKey::TvaPlus:
            b.quebec() ? CalculTaxesPlus(block, b) : CalculTVAPlus(block, b);
            break;
        case SpecialKey::TvaMinus:
            b.quebec() ? CalculTaxesMoins(block, b) : CalculTVAMoins(block, b);
            break;
        case SpecialKey::EuroToOther:
            btnEuroToFrancClick(block, b);
            break;
        case SpecialKey::OtherToEuro:
            btnFrancToEuroClick(block, b);
            break;
        case SpecialKey::AeRemaining:
            BtnCAResteAEClick(block, b);
            break;
        case SpecialKey::AeCharges:
            BtnChargesAEClick(block, b);
            break;
        case SpecialKey::Golden:
            btnNbrGoldClick(block);
            break;
    }
}

}  // namespace zumbrel::special
