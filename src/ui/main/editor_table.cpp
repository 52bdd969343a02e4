#include "ui/main/editor_table.h"

#include "core/notifier.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"

namespace kt740 {
namespace {

// An editor whose dialog is not in this version yet says so rather than doing nothing.
void NotAvailableYet(EditorHost& host) {
  const Texts texts = host.CurrentTexts();
  host.Notify().Message(U8(texts.Pick(QStringLiteral("This editor is not available in this version yet."),
                                      QStringLiteral("此版本暂不提供该编辑器。"))),
                        Icon::Information);
}

// The channel editor opens from the grid (double click, Enter, mnuEditCH), not from a row here.
const EditorSpec kEditors[] = {
    {"channel", nullptr, nullptr, 1011, &NotAvailableYet},
    {"modelInfo", "MnuModelInfo", nullptr, 1061, &NotAvailableYet},
    {"options", "MnuViewSetMode", "N4", 1021, &NotAvailableYet},
    {"dtmf", "MnuViewDTMF", "N5", 1023, &NotAvailableYet},
    {"twoTone", "MnuView2Tone", "N6", 1024, &NotAvailableYet},
    {"fiveTone", "MnuView5Tone", "N7", 1025, &NotAvailableYet},
    {"scan", "MnuViewScan", "N10", 2401, &NotAvailableYet},
    {"alert", "MnuViewAlert", "N11", 2601, &NotAvailableYet},
    {"keys", "MnuViewKey", "N12", 1029, &NotAvailableYet},
    {"commBook", "MnuCommBook", "N8", 1804, &NotAvailableYet},
    {"print", "mnuFilePrint", nullptr, 1005, &NotAvailableYet},
};

template <typename Pred>
const EditorSpec* Find(Pred pred) {
  for (const EditorSpec& e : kEditors) {
    if (pred(e)) return &e;
  }
  return nullptr;
}

}  // namespace

std::span<const EditorSpec> EditorTable() {
  return kEditors;
}

const EditorSpec* EditorForKey(const QString& key) {
  return Find([&](const EditorSpec& e) { return key == QLatin1String(e.key); });
}

const EditorSpec* EditorForAction(const QString& objectName) {
  return Find([&](const EditorSpec& e) { return e.action && objectName == QLatin1String(e.action); });
}

const EditorSpec* EditorForTreeNode(const QString& treeKey) {
  return Find([&](const EditorSpec& e) { return e.treeKey && treeKey == QLatin1String(e.treeKey); });
}

QString EditorStepName(const EditorHost& host, const EditorSpec& spec) {
  return PlainCaption(host.CurrentTexts().Lang(spec.menuText));
}

}  // namespace kt740
