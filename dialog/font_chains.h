// The official-document page's fonts that Windows may lack: each combo
// starts with the first installed font of its chain, and a substitute is
// named to the user, beside the combo and in the completion message.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dialog/values.h"

namespace dialog {

// A font combo whose built-in font may be missing: the first installed font
// of its chain is used instead, and the substitute is named to the user.
struct FontChain {
    FontCombo combo;
    std::array<std::string_view, 4> fonts;  // unused places are ""
};

inline constexpr std::array<FontChain, 5> kFontChains{{
    {FontCombo::gwBtFontName, {"方正小标宋简体", "方正小标宋_GBK", "华文中宋", "宋体"}},
    {FontCombo::gwZwFontName, {"仿宋_GB2312", "仿宋", "华文仿宋", ""}},
    {FontCombo::gwYjFontName, {"黑体", "微软雅黑", "", ""}},
    {FontCombo::gwEjFontName, {"楷体_GB2312", "楷体", "华文楷体", ""}},
    {FontCombo::gwXwFontName, {"Times New Roman", "", "", ""}},
}};

constexpr const FontChain* chain_of(FontCombo combo)
{
    for (const FontChain& chain : kFontChains) {
        if (chain.combo == combo) return &chain;
    }
    return nullptr;
}

using FontInstalled = std::function<bool(std::string_view font)>;

// The first installed font of the combo's chain; the chain's first font when
// none is installed, so the user sees what the document asks for.
inline std::string first_installed(const FontChain& chain, const FontInstalled& installed)
{
    for (std::string_view font : chain.fonts) {
        if (!font.empty() && installed(font)) return std::string(font);
    }
    return std::string(chain.fonts.front());
}

// The font a chained combo shows for a saved or built-in name: the name when
// it is installed, else the first installed font of the chain, so a font
// missing on this machine is stood in for as the built-in one would be.
inline std::string font_to_show(const FontChain& chain, const std::string& name, const FontInstalled& installed)
{
    if (!name.empty() && installed(name)) return name;
    return first_installed(chain, installed);
}

// "未安装方正小标宋简体，已用华文中宋" when the chain's first font is missing
// and `chosen` stands in for it. A missing font chosen still goes into the
// document, where Word shows another in its place: "未安装仿宋_GB2312、仿宋、
// 华文仿宋，Word 将替换显示" when it is the chain's first and none of the
// chain is installed, else that font alone is named. Nothing when the
// chosen font is the first, or the first is installed too.
inline std::optional<std::string> substitute_note(const FontChain& chain, const std::string& chosen,
                                                  const FontInstalled& installed)
{
    const std::string_view wanted = chain.fonts.front();
    if (chosen.empty()) return std::nullopt;
    if (!installed(chosen)) {
        std::string missing = chosen;
        if (chosen == wanted) {
            for (std::size_t i = 1; i < chain.fonts.size(); ++i) {
                if (chain.fonts[i].empty()) continue;
                if (installed(chain.fonts[i])) return "未安装" + chosen + "，Word 将替换显示";
                missing += "、" + std::string(chain.fonts[i]);
            }
        }
        return "未安装" + missing + "，Word 将替换显示";
    }
    if (chosen == wanted || installed(wanted)) return std::nullopt;
    return "未安装" + std::string(wanted) + "，已用" + chosen;
}

}  // namespace dialog
