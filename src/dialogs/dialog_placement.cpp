// Where a dialog box goes: centred over a reference window and kept inside the work area.
#include "dialogs/dialog_placement.h"

#include "ui/application.h"
#include "ui/form.h"

namespace tavel {

Point KeepInsideWorkArea(const WorkArea& area, Point position, Size size) {
  int x = position.x;
  int y = position.y;
  const Rect& work = area.Work;
  // Right and bottom first, so that the left and top edges win for a window too large to fit.
  if (x > work.Right() - size.width) x = work.Right() - size.width;
  if (y > work.Bottom() - size.height) y = work.Bottom() - size.height;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  return {x, y};
}

Point PlaceDialog(const WorkArea& area, std::optional<Rect> reference, Size formSize) {
  Rect ref = reference.value_or(area.Work);
  Point centred{ref.left + (ref.width - formSize.width) / 2,
                ref.top + (ref.height - formSize.height) / 2};
  return KeepInsideWorkArea(area, centred, formSize);
}

std::optional<Rect> ReferenceRect(Application& app, Desktop& desktop, WindowHandle sourceHandle) {
  WindowHandle reference = sourceHandle;
  if (reference == 0 && app.MainForm()) reference = app.MainForm()->Handle();
  if (reference == 0) return std::nullopt;
  return desktop.WindowRect(reference);
}

void PlaceForm(Form& form, DialogContext& context, WindowHandle sourceHandle) {
  ComputeWorkArea(context.desktop, context.workArea);
  std::optional<Rect> reference = ReferenceRect(context.app, context.desktop, sourceHandle);
  Point at = PlaceDialog(context.workArea, reference, {form.Width(), form.Height()});
  form.SetBounds({at.x, at.y, form.Width(), form.Height()});
}

}  // namespace tavel
