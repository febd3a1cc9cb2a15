#include <gtest/gtest.h>

#include "core/business/bmi.h"
#include "core/memory_ports.h"
#include "test_names.h"

namespace zumbrel::business {
namespace {

struct BmiCase {
    const char *kilos, *metres, *centimetres;
    const char* index;
    BmiCategory category;
};

class BodyMass : public testing::TestWithParam<BmiCase> {};

TEST_P(BodyMass, the_class_is_the_one_of_the_number_shown) {
    const BmiCase& c = GetParam();
    const auto bmi = bodyMassIndex(c.kilos, c.metres, c.centimetres, ',');
    ASSERT_TRUE(bmi.has_value());
    EXPECT_EQ(bmi->index, c.index);
    EXPECT_EQ(bmi->category, c.category);
    EXPECT_EQ(bmi->advice, c.category != BmiCategory::Normal);
}

INSTANTIATE_TEST_SUITE_P(
    People, BodyMass,
    testing::Values(BmiCase{"75", "1", "77", "23,94", BmiCategory::Normal},
                    BmiCase{"50", "1", "77", "15,96", BmiCategory::SevereThinness},
                    BmiCase{"55", "1", "77", "17,56", BmiCategory::Underweight},
                    BmiCase{"100", "1", "58", "40,06", BmiCategory::ObesityIII},
                    // 24,994…: shown 24,99, and normal (no gap between the classes).
                    BmiCase{"97", "1", "97", "24,99", BmiCategory::Normal},
                    // Just under 40: class II.
                    BmiCase{"118", "1", "72", "39,89", BmiCategory::ObesityII},
                    BmiCase{"64", "2", "00", "16,00", BmiCategory::Underweight},
                    BmiCase{"74", "2", "00", "18,50", BmiCategory::Normal},
                    BmiCase{"100", "2", "00", "25,00", BmiCategory::PreObese},
                    BmiCase{"120", "2", "00", "30,00", BmiCategory::ObesityI},
                    BmiCase{"140", "2", "00", "35,00", BmiCategory::ObesityII},
                    BmiCase{"160", "2", "00", "40,00", BmiCategory::ObesityIII},
                    BmiCase{"159", "2", "00", "39,75", BmiCategory::ObesityII},
                    // A leading zero is 5 centimetres: 1,05 m.
                    BmiCase{"20", "1", "05", "18,14", BmiCategory::Underweight},
                    BmiCase{"20", "1", "5", "18,14", BmiCategory::Underweight}),
    testing_names::namedBy([](const BmiCase& c) {
        return std::string(c.kilos) + "_kg_" + c.metres + "_m_" + c.centimetres;
    }));

TEST(BodyMass, half_a_hundredth_goes_up) {
    // 70 / 1,87² = 20,0177… and 57 / 1,69² = 19,957… are plain; 8 / 0,40² = 50 exactly.
    EXPECT_EQ(bodyMassIndex("8", "0", "40", '.')->index, "50.00");
}

TEST(BodyMass, no_index_without_a_height_or_with_a_field_that_is_no_number) {
    EXPECT_FALSE(bodyMassIndex("70", "0", "0", ',').has_value());
    EXPECT_FALSE(bodyMassIndex("", "1", "70", ',').has_value());
    EXPECT_FALSE(bodyMassIndex("7a", "1", "70", ',').has_value());
    EXPECT_FALSE(bodyMassIndex("70", "1", "100", ',').has_value());
}

TEST(BodyMass, class_lines_spell_obesity_with_its_accent) {
    const FrenchTranslator french;
    EXPECT_EQ(categoryLine(BmiCategory::ObesityIII, french, " ", ','),
              "Obésité classe III : supérieur à 40,00");
    EXPECT_EQ(categoryLine(BmiCategory::Normal, french, "", ','),
              "Valeurs normales: de 18,50 à 24,99");
}

// The index is written with the system's separator: so are the class's bounds beside it.
TEST(BodyMass, class_bounds_use_the_separator_of_the_index) {
    const FrenchTranslator french;
    EXPECT_EQ(bodyMassIndex("75", "1", "77", '.')->index, "23.94");
    EXPECT_EQ(categoryLine(BmiCategory::Normal, french, " ", '.'),
              "Valeurs normales : de 18.50 à 24.99");
}

// No French left in another language: the words around the bounds come from its file.
TEST(BodyMass, class_lines_take_the_words_of_the_language) {
    struct English final : Translator {
        std::string text(const Message& m) const override {
            if (m.key == "NORMAL_VALUES") return "Normal range";
            if (m.key == "OBESITE_CLASSIFY_III") return "Obesity class III";
            if (m.key == "SEVERE_THINNESS") return "Severe thinness";
            if (m.key == "BMI_FROM") return "from";
            if (m.key == "BMI_TO") return "to";
            if (m.key == "BMI_ABOVE") return "above";
            if (m.key == "BMI_BELOW") return "below";
            return std::string(m.french);
        }
    } english;
    EXPECT_EQ(categoryLine(BmiCategory::Normal, english, "", '.'),
              "Normal range: from 18.50 to 24.99");
    EXPECT_EQ(categoryLine(BmiCategory::ObesityIII, english, "", '.'),
              "Obesity class III: above 40.00");
    EXPECT_EQ(categoryLine(BmiCategory::SevereThinness, english, "", ','),
              "Severe thinness: below 16,00");
}

TEST(BodyMass, unit_words_follow_the_language_and_the_metres) {
    EXPECT_EQ(bmiUnits('F', 1).metres, "mètre");
    EXPECT_EQ(bmiUnits('F', 2).metres, "mètres");
    EXPECT_EQ(bmiUnits('C', 2).metres, "metri");
    EXPECT_EQ(bmiUnits('I', 2).metres, "metri");
    EXPECT_EQ(bmiUnits('E', 2).metres, "meters");
    EXPECT_EQ(bmiUnits('P', 1).kilos, "quilos");
    EXPECT_EQ(bmiUnits(std::nullopt, 1).kilos, "kilos");
}

}  // namespace
}  // namespace zumbrel::business
