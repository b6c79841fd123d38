#include "state/checked_table.h"

#include <utility>

namespace velmora {

IndexOutOfRange::IndexOutOfRange(std::string table, int index, int lastIndex)
    : std::out_of_range(table + ": index " + std::to_string(index) + " outside 0.." +
                        std::to_string(lastIndex)),
      table_(std::move(table)),
      index_(index),
      lastIndex_(lastIndex) {}

}  // namespace velmora
