#include "core/business/golden.h"

#include <cmath>

#include "core/business/messages.h"
#include "core/calc/messages.h"

namespace zumbrel::business {

long double goldenRatio() {
    return (1.0L + std::sqrt(5.0L)) / 2.0L;
}

void btnNbrGoldClick(Block& block) {
    if (!block.start(Block::NegativeReport::MessageAndStatus)) return;
    const long double golden = block.entry().toNumber(block.entry().text()) * goldenRatio();
    const std::string result = block.amount(golden);
    block.entry().AddZerosDec();

    const std::string sp = block.spacer();
    const std::string& shown = block.display();
    const std::string is = block.text(calc::msg::kIs);
    const std::string of = block.text(msg::kTheGoldenNumberOf);
    block.line(shown, std::nullopt, false);
    block.rule();
    block.highlightedLine(block.text(msg::kGoldenNumber) + sp + ": " + block.grouped(result),
                          blockColors::kHighlight);
    block.ports().status.show(of + sp + ": " + shown + " " + is);
    block.memo({of + " " + shown, is + " " + block.grouped(result)});
    block.close();
    block.finish(result, golden);
}

}  // namespace zumbrel::business
