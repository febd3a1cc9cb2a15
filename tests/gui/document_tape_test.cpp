#include "gui/tape/document_tape.h"

#include <QTextDocument>

#include "../core/tape_contract.h"
#include "core/calc/key_script.h"
#include "core/headless_calculator.h"

namespace zumbrel::tape {
namespace {

struct DocumentTapeFactory {
    static std::unique_ptr<Tape> make() { return std::make_unique<gui::DocumentTape>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Document, TapeContract, testing::Types<DocumentTapeFactory>);

// The same keys give the same tape, in memory and in the document.
TEST(DocumentTape, holds_what_the_memory_tape_holds) {
    for (const char* keys : {"12+3*2=", "200+5%=", "9r", "8/0=", "7-9=", "9+16r*2=", "5s-3="}) {
        HeadlessCalculator memory;
        gui::DocumentTape document;
        calc::Calculator onDocument(calc::Ports{
            document, memory.history, memory.status, memory.prompts, memory.sound, memory.voice,
            memory.translator, memory.clipboard, memory.files, memory.dialogs});
        calc::runKeys(memory.calc, keys);
        calc::runKeys(onDocument, keys);
        EXPECT_EQ(document.richText(), memory.tape.richText()) << keys;
    }
}

}  // namespace
}  // namespace zumbrel::tape
