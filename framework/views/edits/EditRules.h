#pragma once

// The rules of the text edits that need no control: what the length limit lets in, what of a clipboard
// block is text, and which keys an edit control acts on itself.

#include <cstdint>
#include <string>

namespace NSTramvell {

class CKeyEvent;

// The change kinds a text edit reports while its change notice climbs the view tree.
inline constexpr std::int32_t kEditNoChange = 34;
inline constexpr std::int32_t kEditCharacterTyped = 35;
inline constexpr std::int32_t kEditKeyChange = 36;
inline constexpr std::int32_t kEditTextChanged = 37;

// Whether count characters may replace the selection: the text less the selection plus count must stay
// within the maximum.
bool FitsEditLength(std::int32_t textLength, std::int32_t selectedLength, std::int32_t count,
                    std::int32_t maximumLength);
// The longest start of the text that fits in place of the selection; empty when nothing fits.
std::string CutToEditLength(const std::string& text, std::int32_t textLength, std::int32_t selectedLength,
                            std::int32_t maximumLength);
// The bytes before the first NUL: a text block may be longer than its text.
std::string TextBeforeNul(const std::string& block);

// Backspace, and the moving and deleting keys as they go down or repeat: the control's own business.
bool IsKeyForEditControl(const CKeyEvent& event) noexcept;

} // namespace NSTramvell
