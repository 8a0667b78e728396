#pragma once
// Splitting of SQL scripts into the batches that a client sends one by one.

#include <string>
#include <string_view>
#include <vector>

namespace demo {

// The batches of a script: the text between lines that hold only "GO" (any
// case, outside quoted literals), with "--" comments removed (outside quoted
// literals) and blank batches dropped.
std::vector<std::string> splitBatches(std::string_view script);

}  // namespace demo
