#pragma once

#include "special/business_registers.h"
#include "special/special_key.h"

namespace zumbrel::special {

class Block;

// One business button pressed: the block it writes, under the rates in use.
void runSpecial(SpecialKey key, Block& block, const BusinessRegisters& b);

}  // namespace zumbrel::special
