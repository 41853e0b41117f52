#include "shell/copy_notice.h"

#include "platform/message_box.h"

void TellCopied(QWidget* owner, const std::string& what, CopiedForm form) {
    const std::string as = form == CopiedForm::kText
                               ? "as text. You can paste it into other programs that accept text."
                               : "as a picture. You can paste it into other programs that accept pictures.";
    MessageBox(owner, "Copied " + what + " into the clipboard " + as, "Successfully Copied!");
}
