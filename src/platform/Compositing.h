#pragma once

// Whether a compositing manager runs on the desktop, so translucent window pixels are blended
// with what lies behind them (without one they show as black).
namespace Compositing {
bool isActive();
} // namespace Compositing
