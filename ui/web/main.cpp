#include "form1_window.h"

// Builds the window into the page and returns; the page's events run it from then
// on, until "OFF".
int main()
{
    static ui::web::Form1Window window;
    return 0;
}
