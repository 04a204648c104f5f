#include "platform/grid/gxstyle.h"

#include <algorithm>
#include <cstdlib>

// ---- CGXFont ----

void CGXFont::ChangeFont(const CGXFont& font, GXModifyType mt) {
  auto take = [&](std::uint8_t bit) {
    m_include |= bit;
    if (bit == kSize) m_size = font.m_size;
    else if (bit == kOrientation) m_orientation = font.m_orientation;
    else m_flags = (font.m_flags & bit) ? (m_flags | bit) : (m_flags & ~bit);
  };
  switch (mt) {
    case gxCopy:
      *this = font;
      return;
    case gxExclude:
      m_include &= ~font.m_include;
      m_flags &= m_include;
      if (!(m_include & kSize)) m_size = 0;
      if (!(m_include & kOrientation)) m_orientation = 0;
      return;
    case gxOverride:
    case gxApplyNew:
      for (std::uint8_t bit : {kBold, kItalic, kSize, kOrientation}) {
        if (!(font.m_include & bit)) continue;
        if (mt == gxApplyNew && (m_include & bit)) continue;
        take(bit);
      }
      return;
  }
}

bool operator==(const CGXFont& a, const CGXFont& b) {
  if (a.m_include != b.m_include) return false;
  if ((a.m_flags & a.m_include) != (b.m_flags & b.m_include)) return false;
  if ((a.m_include & CGXFont::kSize) && a.m_size != b.m_size) return false;
  if ((a.m_include & CGXFont::kOrientation) && a.m_orientation != b.m_orientation) return false;
  return true;
}

// ---- CGXUserAttribute ----

CString CGXUserAttribute::GetValue() const {
  if (m_isText) return m_text;
  return CString(std::to_string(m_long));
}

long CGXUserAttribute::GetLongValue() const {
  if (!m_isText) return m_long;
  return std::strtol(m_text.GetString(), nullptr, 10);
}

bool operator==(const CGXUserAttribute& a, const CGXUserAttribute& b) {
  if (a.m_id != b.m_id || a.m_isText != b.m_isText) return false;
  return a.m_isText ? a.m_text == b.m_text : a.m_long == b.m_long;
}

// ---- CGXStyle ----

CGXStyle::CGXStyle(const CGXStyle& other)
    : m_include(other.m_include), m_flags(other.m_flags), m_horzAlign(other.m_horzAlign),
      m_vertAlign(other.m_vertAlign), m_control(other.m_control), m_interior(other.m_interior),
      m_textColor(other.m_textColor), m_font(other.m_font), m_value(other.m_value),
      m_userAttributes(other.m_userAttributes) {
  if (other.m_borders) {
    m_borders = std::make_unique<CGXPen[]>(4);
    std::copy(other.m_borders.get(), other.m_borders.get() + 4, m_borders.get());
  }
}

CGXStyle& CGXStyle::operator=(const CGXStyle& other) {
  if (this != &other) {
    CGXStyle copy(other);
    *this = std::move(copy);
  }
  return *this;
}

CGXStyle& CGXStyle::SetValue(long value) { return SetValue(CString(std::to_string(value))); }
CGXStyle& CGXStyle::SetValue(unsigned long value) { return SetValue(CString(std::to_string(value))); }

namespace {
constexpr std::uint32_t BorderBit(GXBorderType side) { return 1u << (10 + unsigned(side)); }
}  // namespace

BOOL CGXStyle::GetIncludeBorders(GXBorderType side) const {
  if (side == gxBorderAll) return (m_include & kAllBorders) == kAllBorders;
  return Has(BorderBit(side));
}

CGXStyle& CGXStyle::SetIncludeBorders(GXBorderType side, BOOL b) {
  const std::uint32_t bits = side == gxBorderAll ? kAllBorders : BorderBit(side);
  if (b) {
    if (!m_borders) m_borders = std::make_unique<CGXPen[]>(4);
    m_include |= bits;
  } else {
    m_include &= ~bits;
    if (m_borders) {
      for (int s = 0; s < 4; ++s)
        if (bits & BorderBit(GXBorderType(s))) m_borders[size_t(s)] = CGXPen();
    }
    if (!(m_include & kAllBorders)) m_borders.reset();
  }
  return *this;
}

const CGXPen& CGXStyle::GetBorders(GXBorderType side) const {
  static const CGXPen none;
  if (!m_borders || side == gxBorderAll) return m_borders && side == gxBorderAll ? m_borders[0] : none;
  return m_borders[size_t(side)];
}

CGXStyle& CGXStyle::SetBorders(GXBorderType side, const CGXPen& pen) {
  if (!m_borders) m_borders = std::make_unique<CGXPen[]>(4);
  for (int s = 0; s < 4; ++s) {
    if (side == gxBorderAll || side == GXBorderType(s)) {
      m_borders[size_t(s)] = pen;
      m_include |= BorderBit(GXBorderType(s));
    }
  }
  return *this;
}

const CGXUserAttribute* CGXStyle::FindUserAttribute(UINT id) const {
  auto it = std::lower_bound(m_userAttributes.begin(), m_userAttributes.end(), id,
                             [](const CGXUserAttribute& a, UINT key) { return a.GetID() < key; });
  return it != m_userAttributes.end() && it->GetID() == id ? &*it : nullptr;
}

const CGXUserAttribute& CGXStyle::GetUserAttribute(UINT id) const {
  static const CGXUserAttribute none;
  const CGXUserAttribute* attr = FindUserAttribute(id);
  return attr ? *attr : none;
}

void CGXStyle::PutUserAttribute(CGXUserAttribute attr) {
  auto it = std::lower_bound(m_userAttributes.begin(), m_userAttributes.end(), attr.GetID(),
                             [](const CGXUserAttribute& a, UINT key) { return a.GetID() < key; });
  if (it != m_userAttributes.end() && it->GetID() == attr.GetID()) *it = std::move(attr);
  else m_userAttributes.insert(it, std::move(attr));
}

CGXStyle& CGXStyle::SetUserAttribute(UINT id, const CString& value) {
  PutUserAttribute(CGXUserAttribute(id, value));
  return *this;
}

CGXStyle& CGXStyle::SetUserAttribute(UINT id, long value) {
  PutUserAttribute(CGXUserAttribute(id, value));
  return *this;
}

CGXStyle& CGXStyle::SetIncludeUserAttribute(UINT id, BOOL b) {
  if (b) {
    if (!FindUserAttribute(id)) PutUserAttribute(CGXUserAttribute(id, CString()));
  } else {
    std::erase_if(m_userAttributes, [id](const CGXUserAttribute& a) { return a.GetID() == id; });
  }
  return *this;
}

void CGXStyle::CopyPart(const CGXStyle& from, std::uint32_t bit) {
  m_include |= bit;
  switch (bit) {
    case kValue: m_value = from.m_value; break;
    case kControl: m_control = from.m_control; break;
    case kReadOnly: Flag(fReadOnly, from.GetReadOnly()); break;
    case kEnabled: Flag(fEnabled, from.GetEnabled()); break;
    case kInterior: m_interior = from.m_interior; break;
    case kTextColor: m_textColor = from.m_textColor; break;
    case kHorzAlign: m_horzAlign = from.m_horzAlign; break;
    case kVertAlign: m_vertAlign = from.m_vertAlign; break;
    case kWrapText: Flag(fWrapText, from.GetWrapText()); break;
    case kAllowEnter: Flag(fAllowEnter, from.GetAllowEnter()); break;
    default:
      for (int s = 0; s < 4; ++s)
        if (bit == BorderBit(GXBorderType(s))) SetBorders(GXBorderType(s), from.m_borders[size_t(s)]);
      break;
  }
}

void CGXStyle::ClearPart(std::uint32_t bit) {
  switch (bit) {
    case kValue: SetIncludeValue(FALSE); break;
    case kControl: SetIncludeControl(FALSE); break;
    case kReadOnly: SetIncludeReadOnly(FALSE); break;
    case kEnabled: SetIncludeEnabled(FALSE); break;
    case kInterior: SetIncludeInterior(FALSE); break;
    case kTextColor: SetIncludeTextColor(FALSE); break;
    case kHorzAlign: SetIncludeHorizontalAlignment(FALSE); break;
    case kVertAlign: SetIncludeVerticalAlignment(FALSE); break;
    case kWrapText: SetIncludeWrapText(FALSE); break;
    case kAllowEnter: SetIncludeAllowEnter(FALSE); break;
    default:
      for (int s = 0; s < 4; ++s)
        if (bit == BorderBit(GXBorderType(s))) SetIncludeBorders(GXBorderType(s), FALSE);
      break;
  }
}

CGXStyle& CGXStyle::ChangeStyle(const CGXStyle& style, GXModifyType mt) {
  if (&style == this) return *this;
  if (mt == gxCopy) return *this = style;
  for (std::uint32_t bits = style.m_include; bits != 0; bits &= bits - 1) {
    const std::uint32_t bit = bits & (~bits + 1);
    switch (mt) {
      case gxOverride: CopyPart(style, bit); break;
      case gxApplyNew: if (!(m_include & bit)) CopyPart(style, bit); break;
      case gxExclude: if (m_include & bit) ClearPart(bit); break;
      case gxCopy: break;
    }
  }
  m_font.ChangeFont(style.m_font, mt);
  for (const CGXUserAttribute& attr : style.m_userAttributes) {
    switch (mt) {
      case gxOverride: PutUserAttribute(attr); break;
      case gxApplyNew: if (!FindUserAttribute(attr.GetID())) PutUserAttribute(attr); break;
      case gxExclude: SetIncludeUserAttribute(attr.GetID(), FALSE); break;
      case gxCopy: break;
    }
  }
  return *this;
}

void CGXStyle::Free() { *this = CGXStyle(); }

bool operator==(const CGXStyle& a, const CGXStyle& b) {
  if (a.m_include != b.m_include) return false;
  const std::uint32_t in = a.m_include;
  if ((in & CGXStyle::kValue) && a.m_value != b.m_value) return false;
  if ((in & CGXStyle::kControl) && a.m_control != b.m_control) return false;
  if ((in & CGXStyle::kReadOnly) && a.GetReadOnly() != b.GetReadOnly()) return false;
  if ((in & CGXStyle::kEnabled) && a.GetEnabled() != b.GetEnabled()) return false;
  if ((in & CGXStyle::kInterior) && a.m_interior != b.m_interior) return false;
  if ((in & CGXStyle::kTextColor) && a.m_textColor != b.m_textColor) return false;
  if ((in & CGXStyle::kHorzAlign) && a.m_horzAlign != b.m_horzAlign) return false;
  if ((in & CGXStyle::kVertAlign) && a.m_vertAlign != b.m_vertAlign) return false;
  if ((in & CGXStyle::kWrapText) && a.GetWrapText() != b.GetWrapText()) return false;
  if ((in & CGXStyle::kAllowEnter) && a.GetAllowEnter() != b.GetAllowEnter()) return false;
  for (int s = 0; s < 4; ++s) {
    if ((in & BorderBit(GXBorderType(s))) && !(a.m_borders[size_t(s)] == b.m_borders[size_t(s)])) return false;
  }
  return a.m_font == b.m_font && a.m_userAttributes == b.m_userAttributes;
}
