// The table of editors: for each, the menu item and the tree node that open it and its opener.
#pragma once

#include <QString>
#include <span>

#include "ui/dialogs/editor_host.h"

namespace kt740 {

struct EditorSpec {
  const char* key;      // a name of our own, for tests and logs
  const char* action;   // objectName of its menu item; nullptr: none
  const char* treeKey;  // key of its tree node; nullptr: none
  int menuText;         // language text of its menu item: the name of its undo step
  EditorOpener open;
};

std::span<const EditorSpec> EditorTable();
const EditorSpec* EditorForKey(const QString& key);
const EditorSpec* EditorForAction(const QString& objectName);
const EditorSpec* EditorForTreeNode(const QString& treeKey);

// The name of an editor's undo step: its menu text without access key and dots.
QString EditorStepName(const EditorHost& host, const EditorSpec& spec);

}  // namespace kt740
