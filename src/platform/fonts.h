#pragma once

namespace zk {
// The window designs name the classic Windows faces; map them onto the metric-compatible
// Liberation fonts (not DejaVu, whose wide glyphs would clip the fixed layouts).
void InstallFontSubstitutions();
}  // namespace zk
