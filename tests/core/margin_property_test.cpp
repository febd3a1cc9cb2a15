// The margin block against a model in whole cents: for a million cost and sale prices from
// 0,01 to 10 000,00 the block adds up to the cent and prints the true rates, rounded half
// away from zero to two decimals.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/business/margin.h"

namespace zumbrel::business {
namespace {

// The rate in hundredths of a percent, part / whole × 100, rounded half away from zero.
std::int64_t rateModel(std::int64_t part, std::int64_t whole) {
    const std::int64_t n = part * 10000;
    std::int64_t q = n / whole;
    const std::int64_t r = n % whole;
    if (2 * (r < 0 ? -r : r) >= whole) q += n < 0 ? -1 : 1;
    return q;
}

std::string hundredths(std::int64_t v) {
    const std::int64_t a = v < 0 ? -v : v;
    const std::string cents = std::to_string(a % 100);
    return (v < 0 ? "-" : "") + std::to_string(a / 100) + "." + (a % 100 < 10 ? "0" : "") + cents;
}

TEST(MarginProperty, a_million_cost_and_sale_prices_add_up_and_print_the_true_rates) {
    std::uint64_t seed = 20261207;
    const auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::int64_t>((seed >> 33) % 1000000) + 1;  // 0,01 to 10 000,00
    };
    int failures = 0;
    for (int i = 0; i < 1000000 && failures < 5; ++i) {
        const std::int64_t cost = next();
        const std::int64_t sale = next();
        MarginValues v;
        v.cost = Exact{cost, 2};
        v.sale = Exact{sale, 2};
        MarginRefusal why{};
        const auto a = computeMargin(v, 2, why);
        ASSERT_TRUE(a.has_value()) << cost << " " << sale;
        const std::int64_t margin = sale - cost;
        const bool addsUp = formatFixed(a->cost, 2, '.') == hundredths(cost) &&
                            formatFixed(a->margin, 2, '.') == hundredths(margin) &&
                            formatFixed(a->sale, 2, '.') == hundredths(sale);
        const bool rates =
            formatFixed(a->rateOnCost, 2, '.') == hundredths(rateModel(margin, cost)) &&
            formatFixed(a->rateOnSale, 2, '.') == hundredths(rateModel(margin, sale));
        if (!addsUp || !rates) {
            ++failures;
            ADD_FAILURE() << "cost " << hundredths(cost) << " sale " << hundredths(sale) << ": "
                          << formatFixed(a->margin, 2, '.') << " "
                          << formatFixed(a->rateOnCost, 2, '.') << " "
                          << formatFixed(a->rateOnSale, 2, '.');
        }
    }
}

// From each pair of cost, sale and rate the block finds the third to the cent, and the sale
// is always the cost plus the margin as printed.
TEST(MarginProperty, every_pair_gives_a_block_that_adds_up) {
    std::uint64_t seed = 7;
    const auto next = [&seed](std::int64_t span) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::int64_t>((seed >> 33) % static_cast<std::uint64_t>(span)) + 1;
    };
    for (int i = 0; i < 100000; ++i) {
        const Exact amount{next(1000000), 2};
        const Exact rate{next(9999), 2};  // 0,01 % to 99,99 %
        for (int form = 0; form < 4; ++form) {
            MarginValues v;
            (form < 2 ? v.cost : v.sale) = amount;
            v.rate = rate;
            v.rateOnSale = form % 2 == 1;
            MarginRefusal why{};
            const auto a = computeMargin(v, 2, why);
            if (!a) {
                // Only a cost that rounds to nothing may be refused.
                EXPECT_EQ(why, MarginRefusal::ZeroCost) << form;
                continue;
            }
            const auto sum = add(a->cost, a->margin);
            ASSERT_TRUE(sum.has_value());
            ASSERT_EQ(formatFixed(*sum, 2, '.'), formatFixed(a->sale, 2, '.')) << form;
        }
    }
}

}  // namespace
}  // namespace zumbrel::business
