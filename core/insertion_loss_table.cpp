#include "core/attenuator_table.h"

namespace lorvane {

const InsertionLossData InsertionLossTable{};

}  // namespace lorvane
