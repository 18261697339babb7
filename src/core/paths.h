#pragma once
#include <QString>

namespace zk {

// The game names its files the way it always has, "Text\1.txt", "graph\bukvaA.gif":
// a backslash separates folders and the same file is spelt in different cases.
// Returns the path relative to the working directory with "/" separators, each part
// replaced by an existing entry that matches it without regard to case when there is
// no exact match. Parts that match nothing are kept as written.
QString ResolveDataPath(const QString& gameName);

// True when the folder that would hold the resolved file exists.
bool ParentFolderExists(const QString& resolvedPath);

}  // namespace zk
