// One settings dialog for any form: a block's or a condition's. The subject holds the values, the
// description and what OK does; the dialog only shows them and hands the user's changes over.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <string_view>

#include "planlib/editor/block_writer.h"
#include "planlib/editor/condition_list.h"
#include "planlib/editor/edit_result.h"
#include "planlib/editor/form_description.h"
#include "platform/ui.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {

class FormSubject {
 public:
  virtual ~FormSubject() = default;
  virtual const ElementForm& form() const = 0;
  virtual const BlockValues& values() const = 0;
  virtual void setValue(std::string_view element, std::string value) = 0;
  virtual std::string description() const = 0;
  // OK's checks; done when the dialog may close.
  virtual EditResult accept() = 0;
  // The condition block's list; null for every other form.
  virtual ConditionList* conditions() { return nullptr; }
};

class FormDialog : public winui::ModalDialog {
 public:
  FormDialog(Ui& ui, std::wstring fontFace, FormSubject& subject);

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override;
  void onInit() override;
  bool onCommand(int id, int code, HWND control) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void onOk() override;

 private:
  short layoutConditionList(winui::DialogTemplate& dialog, short top) const;
  void takeFields();
  void browse(int field);
  void showDescription();
  void showConditions(int selected);
  bool conditionCommand(int id, int code);
  void addCondition();
  void changeCondition();
  void deleteCondition();
  std::optional<std::size_t> selectedCondition() const;
  void takeDrop(HDROP drop);
  bool refused(const EditResult& result);

  std::wstring fontFace_;
  FormSubject& subject_;
};

}  // namespace qb
