#pragma once

namespace zk {
// The application's style: the platform's own, except that the menu bar's extension arrow
// (shown only when the menu does not fit) is read as PNG outright. Qt would otherwise
// load and ask every image-format plugin installed on the system which format it is.
void InstallAppStyle();
}  // namespace zk
