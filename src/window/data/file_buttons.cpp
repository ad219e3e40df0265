#include "window/form1.h"

#include "window/texts.h"

namespace ajuste {

void Form1::Command1_Click()
{
    guardar();
}

void Form1::guardar()
{
    saveTable(texts::kDataFileName);
}

void Form1::Recuperar_Click()
{
    openFile(texts::kDataFileName);
}

} // namespace ajuste
