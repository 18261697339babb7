#pragma once
#include <QString>

namespace zk {

// The game names its files the way it always has, "Text\1.txt", "graph\bukvaA.gif":
// a backslash separates folders and the same file is spelt in different cases.
// Returns the path relative to the working directory (or below the data folder) with "/" separators, each part
// replaced by an existing entry that matches it without regard to case when there is
// no exact match. Parts that match nothing are kept as written.
QString ResolveDataPath(const QString& gameName);

// Where the shipped folders (Text, Graph, music) are read from; empty (the default) is the
// working directory. Only names with a folder part go there: a bare file name ("best.dat")
// stays in the working directory, which holds what the player writes.
void SetDataFolder(const QString& folder);
QString DataFolder();

// True when the folder that would hold the resolved file exists.
bool ParentFolderExists(const QString& resolvedPath);

}  // namespace zk
