#pragma once

namespace zorna {
// Statistics window (placeholder until it lands).
} // namespace zorna
