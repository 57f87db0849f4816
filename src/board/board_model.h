#pragma once

namespace zorna {
// Board model (placeholder until the board lands).
} // namespace zorna
