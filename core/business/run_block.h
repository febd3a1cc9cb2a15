#pragma once

#include "core/business/business_key.h"
#include "core/business/business_registers.h"

namespace zumbrel::business {

class Block;

// One business button pressed: the block it writes, under the rates in use.
void runBusinessBlock(BusinessKey key, Block& block, BusinessRegisters& b);

}  // namespace zumbrel::business
