// Filling a form's texts from the numbers its design carries, and the button-caption helpers.
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace kt740 {

class Texts;

// Dynamic properties that carry the design's text numbers: "tag" (caption of the form, a
// label, a menu item or any other control) and "tooltipId" (a tool tip). A tab widget carries
// "tabTags" and "tabToolTipIds", one entry per tab.
inline constexpr char kTagProperty[] = "tag";
inline constexpr char kToolTipProperty[] = "tooltipId";
inline constexpr char kTabTagsProperty[] = "tabTags";
inline constexpr char kTabToolTipsProperty[] = "tabToolTipIds";

void SetTag(QObject& object, int id);
void SetToolTipId(QObject& object, int id);

// Caption of the form from its tag, the form font everywhere, then each control by kind:
// labels and menu items take the text of their tag (a menu item whose caption is still a
// number first moves it into its tag), tool-bar buttons and other controls take their tool tip
// from the number it holds. A tool tip that holds a text already keeps it, so tool tips keep
// the texts of the first call while captions follow every call.
void LocalizeForm(QWidget& form, const Texts& texts);

// CommandOK := text 101, CommandCancel := text 102.
void SetOkCancelCaptions(QWidget& form, const Texts& texts);
// CommandClose := "&Close", CommandHelp := "&Help" in the current language.
void SetCloseHelpCaptions(QWidget& form, const Texts& texts);

// The right-button menu of a text box stays closed while suppressed.
void SuppressContextMenu(QWidget& textBox);
void RestoreContextMenu(QWidget& textBox);

}  // namespace kt740
