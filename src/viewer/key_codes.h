// The standard virtual-key codes of the keys the viewer answers to.
#pragma once

namespace vexolite::key {

inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kKeypadPlus = 107;
inline constexpr int kKeypadMinus = 109;
inline constexpr int kF1 = 112;

}  // namespace vexolite::key
