// Binds a dialog's controls to members of the record copy it edits: Load() shows the record,
// Store() writes the controls back (on OK). Dialogs stay short, and every bound control follows
// the same rules.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/fixed_text.h"
#include "ui/common/qt_text.h"

namespace kt740 {

// What a list does with a stored value it has no item for.
enum class OutOfRange {
  Keep,       // shows the first item; the stored value stays until the user picks another
  ShowFirst,  // shows the first item and stores it on OK
};

template <typename Record>
class FieldBinder {
 public:
  explicit FieldBinder(Record& record) : record_(record) {}
  FieldBinder(const FieldBinder&) = delete;
  FieldBinder& operator=(const FieldBinder&) = delete;

  // A list whose item index is the stored value.
  template <typename T>
  void List(QComboBox* box, T Record::*member, OutOfRange policy = OutOfRange::Keep) {
    ListWith(
        box, [member](const Record& r) { return static_cast<int>(r.*member); },
        [member](Record& r, int v) { r.*member = static_cast<T>(v); }, policy, false);
  }

  // A list whose items carry their stored value as item data (Qt::UserRole).
  template <typename T>
  void ListByData(QComboBox* box, T Record::*member, OutOfRange policy = OutOfRange::Keep) {
    ListWith(
        box, [member](const Record& r) { return static_cast<int>(r.*member); },
        [member](Record& r, int v) { r.*member = static_cast<T>(v); }, policy, true);
  }

  // The same with an accessor pair, for values that live deeper in the record.
  void ListWith(QComboBox* box, std::function<int(const Record&)> get, std::function<void(Record&, int)> set,
                OutOfRange policy = OutOfRange::Keep, bool byData = false) {
    auto kept = std::make_shared<std::optional<int>>();
    auto loading = std::make_shared<bool>(false);
    // Any later change of the selection, by the user or by a reaction, replaces a kept value.
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [kept, loading](int) {
      if (!*loading) kept->reset();
    });
    bindings_.push_back({[this, box, get, policy, byData, kept, loading] {
                           const int value = get(record_);
                           const int index = byData ? box->findData(value)
                                                    : (value >= 0 && value < box->count() ? value : -1);
                           *loading = true;
                           box->setCurrentIndex(index >= 0 ? index : (box->count() > 0 ? 0 : -1));
                           *loading = false;
                           if (index < 0 && policy == OutOfRange::Keep) {
                             *kept = value;
                           } else {
                             kept->reset();
                           }
                         },
                         [this, box, set, byData, kept] {
                           if (kept->has_value()) {
                             set(record_, **kept);
                           } else if (box->currentIndex() >= 0) {
                             set(record_, byData ? box->currentData().toInt() : box->currentIndex());
                           }
                         }});
  }

  // A check box: 1 when checked, 0 when not; any non-zero stored value shows checked.
  template <typename T>
  void Check(QCheckBox* box, T Record::*member) {
    bindings_.push_back(
        {[this, box, member] { box->setChecked(record_.*member != 0); },
         [this, box, member] { record_.*member = static_cast<T>(box->isChecked() ? 1 : 0); }});
  }

  // A fixed single-byte text shown trimmed; stored NUL-terminated when shorter than the field.
  template <std::size_t N>
  void Text(QLineEdit* box, FixedText<N> Record::*member) {
    bindings_.push_back(
        {[this, box, member] { box->setText(FromSingleByte((record_.*member).trimmed())); },
         [this, box, member] { record_.*member = NulTerminatedText<N>(ToSingleByte(box->text())); }});
  }

  // Anything else: a load and a store of the dialog's own.
  void Custom(std::function<void()> load, std::function<void()> store) {
    bindings_.push_back({std::move(load), std::move(store)});
  }

  void Load() {
    for (const Binding& b : bindings_) b.load();
  }
  void Store() {
    for (const Binding& b : bindings_) b.store();
  }

 private:
  struct Binding {
    std::function<void()> load;
    std::function<void()> store;
  };

  Record& record_;
  std::vector<Binding> bindings_;
};

}  // namespace kt740
