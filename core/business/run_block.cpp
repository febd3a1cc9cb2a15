#include "core/business/run_block.h"

#include "core/business/currency.h"
#include "core/business/golden.h"
#include "core/business/margin.h"
#include "core/business/self_employed.h"
#include "core/business/vat.h"

namespace zumbrel::business {

void runBusinessBlock(BusinessKey key, Block& block, BusinessRegisters& b) {
    switch (key) {
        case BusinessKey::TvaPlus:
            b.quebec() ? CalculTaxesPlus(block, b) : CalculTVAPlus(block, b);
            break;
        case BusinessKey::TvaMinus:
            b.quebec() ? CalculTaxesMoins(block, b) : CalculTVAMoins(block, b);
            break;
        case BusinessKey::EuroToOther:
            btnEuroToFrancClick(block, b);
            break;
        case BusinessKey::OtherToEuro:
            btnFrancToEuroClick(block, b);
            break;
        case BusinessKey::AeRemaining:
            BtnCAResteAEClick(block, b);
            break;
        case BusinessKey::AeCharges:
            BtnChargesAEClick(block, b);
            break;
        case BusinessKey::Golden:
            btnNbrGoldClick(block);
            break;
        case BusinessKey::Cost:
            marginKey(MarginKey::Cost, block, b);
            break;
        case BusinessKey::Sale:
            marginKey(MarginKey::Sale, block, b);
            break;
        case BusinessKey::MarginRate:
            marginKey(MarginKey::RateOnCost, block, b);
            break;
        case BusinessKey::MarkonRate:
            marginKey(MarginKey::RateOnSale, block, b);
            break;
    }
}

}  // namespace zumbrel::business
