#pragma once
// How a line of text sits in its box; the panel's slots store it as a letter.

namespace velk {

enum class Alignment { Left, Right, Centre };

}  // namespace velk
