// The fields of a settings form as controls: laid out in element order, one row each (label and
// edit, number, list, check box, or path with its browse button), shown from the values and read
// back as the user changes them.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "planlib/editor/block_writer.h"
#include "planlib/editor/form_description.h"
#include "winui/dialogs/dialog_template.h"

namespace qb {

bool IsShownField(FieldKind kind);

// Adds the shown fields of `form` from `top`; the y below the last one.
short LayoutFields(winui::DialogTemplate& dialog, const ElementForm& form, short top, short width);

// Fills the controls from the values (lists get their choices first).
void ShowFields(HWND dialog, const ElementForm& form, const BlockValues& values);
// Enables each field whose condition the values meet.
void EnableFields(HWND dialog, const ElementForm& form, const BlockValues& values);

struct FieldCommand {
  int field = -1;       // index in form.fields
  bool browse = false;  // its browse button was pressed
};
// The field a command belongs to (a change of its control or a press of its browse button).
std::optional<FieldCommand> FieldOfCommand(const ElementForm& form, int id, int code);

// The field's value as its control holds it.
std::string ReadField(HWND dialog, const ElementForm& form, int field);
void WriteFieldText(HWND dialog, int field, const std::wstring& text);

// The file or folder chooser of a path field, starting at the field's path; empty on cancel.
std::wstring BrowseForPath(HWND dialog, const FormField& field, const std::wstring& current);

// The path field whose control lies under this point of the dialog's client area; -1 if none.
int PathFieldAt(HWND dialog, const ElementForm& form, POINT client);

}  // namespace qb
