#pragma once
// The messages the solving form shows, exactly as the user sees them, and
// which solver result gives which message. Solvers return small integers; only
// this layer turns them into words.
#include <string>

#include "appinfo/Translatable.h"

namespace orchestration {

inline constexpr const char* kMsgHighOrder = ROVAN_TR_NOOP("高阶魔方无解");
inline constexpr const char* kMsgBadColours = ROVAN_TR_NOOP("魔方颜色设置有问题,请重新设置颜色!");
inline constexpr const char* kMsgCannotSolve = ROVAN_TR_NOOP("无法复原魔方！请重新设置颜色");
inline constexpr const char* kMsgBadCorners = ROVAN_TR_NOOP("无法复原魔方！请重新设置角块颜色");
inline constexpr const char* kMsgBadEdges = ROVAN_TR_NOOP("无法复原魔方！请重新设置棱块颜色");
inline constexpr const char* kMsgBadCommand = ROVAN_TR_NOOP("序列中包含无法的命令");
inline constexpr const char* kMsgNumberedTheme = ROVAN_TR_NOOP("请切换到标准魔方，再修改中心块色彩!");
inline constexpr const char* kMsgNetOrder = ROVAN_TR_NOOP(
    "当前软件仅支持二、三、四阶实体魔方输入求解！\n虚拟电脑魔方不需输入颜色，直接求解。");

// Each returns "" when the result is a success.
// Layer-by-layer solver: 1 invalid colours, 2 no attempt finished.
std::string MessageForLayered(int code);
// N×N solver: a move count (≥ 0) or −1 colours, −2 corners, −3 edges, −4 swap parity.
std::string MessageForNxN(int result);
// Petrus solver: SetFacelets refuses (non-zero) or Run fails (non-zero).
std::string MessageForPetrus(int setFaceletsCode, int runCode);
// 4×4×4 colouring check: any non-zero code.
std::string MessageForCheck444(int code);

}  // namespace orchestration
