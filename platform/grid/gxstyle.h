#pragma once
// CGXStyle: the appearance and content of a cell, in parts that are each present or absent, so
// that a cell's own style can be laid over its row, column and standard styles. Kept compact:
// every cell of a grid may hold one.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/grid/gxdefs.h"
#include "platform/mfc/afxstr.h"

// A line: style GX_PS_*, width in pixels, colour.
struct CGXPen {
  CGXPen() = default;
  CGXPen(UINT style, int width = 1, COLORREF color = RGB(0, 0, 0))
      : m_style(std::uint8_t(style)), m_width(std::uint8_t(width)), m_color(color) {}
  UINT GetStyle() const { return m_style; }
  int GetWidth() const { return m_width; }
  COLORREF GetColor() const { return m_color; }
  CGXPen& SetStyle(UINT style) { m_style = std::uint8_t(style); return *this; }
  CGXPen& SetWidth(int width) { m_width = std::uint8_t(width); return *this; }
  CGXPen& SetColor(COLORREF color) { m_color = color; return *this; }
  friend bool operator==(const CGXPen&, const CGXPen&) = default;

  std::uint8_t m_style = GX_PS_SOLID;
  std::uint8_t m_width = 1;
  COLORREF m_color = 0;
};

enum GXBorderType { gxBorderLeft, gxBorderTop, gxBorderRight, gxBorderBottom, gxBorderAll };

// A font whose parts (bold, italic, size in points, orientation in tenths of a degree) are each
// present or absent, merged part by part like the style that holds it.
class CGXFont {
 public:
  CGXFont& SetBold(BOOL b) { Set(kBold, b); return *this; }
  CGXFont& SetItalic(BOOL b) { Set(kItalic, b); return *this; }
  CGXFont& SetSize(int points) { m_size = std::int16_t(points); m_include |= kSize; return *this; }
  CGXFont& SetOrientation(int tenths) { m_orientation = std::int16_t(tenths); m_include |= kOrientation; return *this; }
  BOOL GetBold() const { return (m_flags & kBold) != 0; }
  BOOL GetItalic() const { return (m_flags & kItalic) != 0; }
  int GetSize() const { return m_size; }
  int GetOrientation() const { return m_orientation; }
  BOOL GetIncludeBold() const { return (m_include & kBold) != 0; }
  BOOL GetIncludeItalic() const { return (m_include & kItalic) != 0; }
  BOOL GetIncludeSize() const { return (m_include & kSize) != 0; }
  BOOL GetIncludeOrientation() const { return (m_include & kOrientation) != 0; }
  CGXFont& SetIncludeBold(BOOL b) { Include(kBold, b); return *this; }
  CGXFont& SetIncludeItalic(BOOL b) { Include(kItalic, b); return *this; }
  CGXFont& SetIncludeSize(BOOL b) { Include(kSize, b); return *this; }
  CGXFont& SetIncludeOrientation(BOOL b) { Include(kOrientation, b); return *this; }
  bool IsEmpty() const { return m_include == 0; }
  void ChangeFont(const CGXFont& font, GXModifyType mt);
  friend bool operator==(const CGXFont& a, const CGXFont& b);

 private:
  enum : std::uint8_t { kBold = 1, kItalic = 2, kSize = 4, kOrientation = 8 };
  void Set(std::uint8_t bit, BOOL on) { m_include |= bit; m_flags = on ? (m_flags | bit) : (m_flags & ~bit); }
  void Include(std::uint8_t bit, BOOL on) { m_include = on ? (m_include | bit) : (m_include & ~bit); }
  std::uint8_t m_include = 0;
  std::uint8_t m_flags = 0;
  std::int16_t m_size = 0;
  std::int16_t m_orientation = 0;
};

// A user attribute value: a number or a text. Read as the other kind it converts (a number as
// its decimal text, a text as its leading integer).
class CGXUserAttribute {
 public:
  CGXUserAttribute() = default;
  CGXUserAttribute(UINT id, long value) : m_id(id), m_isText(false), m_long(value) {}
  CGXUserAttribute(UINT id, CString value) : m_id(id), m_isText(true), m_text(std::move(value)) {}
  UINT GetID() const { return m_id; }
  BOOL IsText() const { return m_isText; }
  CString GetValue() const;
  long GetLongValue() const;
  friend bool operator==(const CGXUserAttribute& a, const CGXUserAttribute& b);

 private:
  UINT m_id = 0;
  bool m_isText = true;
  long m_long = 0;
  CString m_text;
};

class CGXStyle {
 public:
  CGXStyle() = default;
  CGXStyle(const CGXStyle& other);
  CGXStyle& operator=(const CGXStyle& other);
  CGXStyle(CGXStyle&&) noexcept = default;
  CGXStyle& operator=(CGXStyle&&) noexcept = default;
  ~CGXStyle() = default;

  // Value (the cell's text).
  BOOL GetIncludeValue() const { return Has(kValue); }
  CGXStyle& SetIncludeValue(BOOL b) { return Include(kValue, b, [this] { m_value.Empty(); }); }
  const CString& GetValue() const { return m_value; }
  CGXStyle& SetValue(const CString& value) { m_value = value; m_include |= kValue; return *this; }
  CGXStyle& SetValue(const char* value) { return SetValue(CString(value)); }
  CGXStyle& SetValue(long value);
  CGXStyle& SetValue(int value) { return SetValue(long(value)); }
  CGXStyle& SetValue(unsigned long value);
  CGXStyle& SetValue(unsigned value) { return SetValue((unsigned long)value); }

  // Cell control id (GX_IDS_CTRL_* or a registered id).
  BOOL GetIncludeControl() const { return Has(kControl); }
  CGXStyle& SetIncludeControl(BOOL b) { return Include(kControl, b, [this] { m_control = 0; }); }
  UINT GetControl() const { return m_control; }
  CGXStyle& SetControl(UINT id) { m_control = id; m_include |= kControl; return *this; }

  BOOL GetIncludeReadOnly() const { return Has(kReadOnly); }
  CGXStyle& SetIncludeReadOnly(BOOL b) { return Include(kReadOnly, b, [this] { Flag(fReadOnly, false); }); }
  BOOL GetReadOnly() const { return (m_flags & fReadOnly) != 0; }
  CGXStyle& SetReadOnly(BOOL b) { Flag(fReadOnly, b); m_include |= kReadOnly; return *this; }

  BOOL GetIncludeEnabled() const { return Has(kEnabled); }
  CGXStyle& SetIncludeEnabled(BOOL b) { return Include(kEnabled, b, [this] { Flag(fEnabled, false); }); }
  BOOL GetEnabled() const { return (m_flags & fEnabled) != 0; }
  CGXStyle& SetEnabled(BOOL b) { Flag(fEnabled, b); m_include |= kEnabled; return *this; }

  BOOL GetIncludeInterior() const { return Has(kInterior); }
  CGXStyle& SetIncludeInterior(BOOL b) { return Include(kInterior, b, [this] { m_interior = 0; }); }
  COLORREF GetInterior() const { return m_interior; }
  CGXStyle& SetInterior(COLORREF color) { m_interior = color; m_include |= kInterior; return *this; }

  BOOL GetIncludeTextColor() const { return Has(kTextColor); }
  CGXStyle& SetIncludeTextColor(BOOL b) { return Include(kTextColor, b, [this] { m_textColor = 0; }); }
  COLORREF GetTextColor() const { return m_textColor; }
  CGXStyle& SetTextColor(COLORREF color) { m_textColor = color; m_include |= kTextColor; return *this; }

  // Font: merged part by part; SetFont with gxOverride lays the given parts over the present ones.
  BOOL GetIncludeFont() const { return !m_font.IsEmpty(); }
  CGXStyle& SetIncludeFont(BOOL b) { if (!b) m_font = CGXFont(); return *this; }
  const CGXFont& GetFont() const { return m_font; }
  CGXStyle& SetFont(const CGXFont& font, GXModifyType mt = gxOverride) { m_font.ChangeFont(font, mt); return *this; }

  BOOL GetIncludeHorizontalAlignment() const { return Has(kHorzAlign); }
  CGXStyle& SetIncludeHorizontalAlignment(BOOL b) { return Include(kHorzAlign, b, [this] { m_horzAlign = 0; }); }
  DWORD GetHorizontalAlignment() const { return m_horzAlign; }
  CGXStyle& SetHorizontalAlignment(DWORD align) { m_horzAlign = std::uint8_t(align); m_include |= kHorzAlign; return *this; }

  BOOL GetIncludeVerticalAlignment() const { return Has(kVertAlign); }
  CGXStyle& SetIncludeVerticalAlignment(BOOL b) { return Include(kVertAlign, b, [this] { m_vertAlign = 0; }); }
  DWORD GetVerticalAlignment() const { return m_vertAlign; }
  CGXStyle& SetVerticalAlignment(DWORD align) { m_vertAlign = std::uint8_t(align); m_include |= kVertAlign; return *this; }

  // Borders, one pen per side (gxBorderAll sets or tests all four).
  BOOL GetIncludeBorders(GXBorderType side) const;
  CGXStyle& SetIncludeBorders(GXBorderType side, BOOL b);
  const CGXPen& GetBorders(GXBorderType side) const;
  CGXStyle& SetBorders(GXBorderType side, const CGXPen& pen);

  BOOL GetIncludeWrapText() const { return Has(kWrapText); }
  CGXStyle& SetIncludeWrapText(BOOL b) { return Include(kWrapText, b, [this] { Flag(fWrapText, false); }); }
  BOOL GetWrapText() const { return (m_flags & fWrapText) != 0; }
  CGXStyle& SetWrapText(BOOL b) { Flag(fWrapText, b); m_include |= kWrapText; return *this; }

  BOOL GetIncludeAllowEnter() const { return Has(kAllowEnter); }
  CGXStyle& SetIncludeAllowEnter(BOOL b) { return Include(kAllowEnter, b, [this] { Flag(fAllowEnter, false); }); }
  BOOL GetAllowEnter() const { return (m_flags & fAllowEnter) != 0; }
  CGXStyle& SetAllowEnter(BOOL b) { Flag(fAllowEnter, b); m_include |= kAllowEnter; return *this; }

  // User attributes by id, each a number or a text. An absent one reads as "" / 0.
  BOOL GetIncludeUserAttribute(UINT id) const { return FindUserAttribute(id) != nullptr; }
  const CGXUserAttribute& GetUserAttribute(UINT id) const;
  CGXStyle& SetUserAttribute(UINT id, const CString& value);
  CGXStyle& SetUserAttribute(UINT id, const char* value) { return SetUserAttribute(id, CString(value)); }
  CGXStyle& SetUserAttribute(UINT id, long value);
  CGXStyle& SetUserAttribute(UINT id, int value) { return SetUserAttribute(id, long(value)); }
  CGXStyle& SetIncludeUserAttribute(UINT id, BOOL b);
  const std::vector<CGXUserAttribute>& GetUserAttributes() const { return m_userAttributes; }

  // Shorthands for two user attributes of the grid library.
  CGXStyle& SetTooltipText(const CString& text) { return SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, text); }
  CString GetTooltipText() const { return GetUserAttribute(GX_IDS_UA_TOOLTIPTEXT).GetValue(); }
  CGXStyle& SetEllipsisType(long kind) { return SetUserAttribute(GX_IDS_UA_ELLIPSISTYPE, kind); }
  long GetEllipsisType() const { return GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetLongValue(); }

  // Merges `style` into this one in the given mode.
  CGXStyle& ChangeStyle(const CGXStyle& style, GXModifyType mt);
  // Removes every part.
  void Free();
  // No part present.
  bool IsEmpty() const { return m_include == 0 && m_font.IsEmpty() && m_userAttributes.empty(); }

  friend bool operator==(const CGXStyle& a, const CGXStyle& b);

 private:
  enum : std::uint32_t {
    kValue = 1u << 0, kControl = 1u << 1, kReadOnly = 1u << 2, kEnabled = 1u << 3,
    kInterior = 1u << 4, kTextColor = 1u << 5, kHorzAlign = 1u << 6, kVertAlign = 1u << 7,
    kWrapText = 1u << 8, kAllowEnter = 1u << 9,
    kBorderLeft = 1u << 10, kBorderTop = 1u << 11, kBorderRight = 1u << 12, kBorderBottom = 1u << 13,
  };
  enum : std::uint8_t { fReadOnly = 1, fEnabled = 2, fWrapText = 4, fAllowEnter = 8 };
  static constexpr std::uint32_t kAllBorders = kBorderLeft | kBorderTop | kBorderRight | kBorderBottom;

  BOOL Has(std::uint32_t bit) const { return (m_include & bit) != 0; }
  template <typename Clear>
  CGXStyle& Include(std::uint32_t bit, BOOL b, Clear clear) {
    if (b) m_include |= bit; else { m_include &= ~bit; clear(); }
    return *this;
  }
  void Flag(std::uint8_t bit, BOOL on) { m_flags = on ? (m_flags | bit) : (m_flags & ~bit); }
  const CGXUserAttribute* FindUserAttribute(UINT id) const;
  void PutUserAttribute(CGXUserAttribute attr);
  void CopyPart(const CGXStyle& from, std::uint32_t bit);
  void ClearPart(std::uint32_t bit);

  std::uint32_t m_include = 0;
  std::uint8_t m_flags = 0;
  std::uint8_t m_horzAlign = 0;
  std::uint8_t m_vertAlign = 0;
  UINT m_control = 0;
  COLORREF m_interior = 0;
  COLORREF m_textColor = 0;
  CGXFont m_font;
  CString m_value;
  std::unique_ptr<CGXPen[]> m_borders;           // four pens, only while a border is present
  std::vector<CGXUserAttribute> m_userAttributes;  // sorted by id
};
