#pragma once

#include <QWidget>

#include "refdata/reference_store.h"

class QComboBox;
class QPlainTextEdit;

namespace kelvara {

// The surname-origin window (姓氏起源): a surname typed into or picked from
// `SYear` and, on 开始搜索, its origin text in `MemoOrigin`. Modeless; it
// deletes itself when closed. Controls: `SYear`, `ButtonSearch`,
// `ButtonClose`, `MemoOrigin`.
class TFrmNameCome : public QWidget {
  Q_OBJECT

 public:
  // Fills the list with every surname of `store`; a table that cannot be read
  // shows the error box and leaves the list empty.
  explicit TFrmNameCome(ReferenceStore store, QWidget* parent = nullptr);

 private:
  void FillSurnameList();
  void Search();

  ReferenceStore store_;
  QComboBox* surname_ = nullptr;
  QPlainTextEdit* origin_ = nullptr;
};

}  // namespace kelvara
