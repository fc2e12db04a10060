/* A stand-in for libXext's DPMS calls, preloaded into the program by the power scenario: no X
 * server that runs headless here has the DPMS extension (Xvfb, Xephyr, Xorg with the dummy
 * driver and Xvnc all lack it). It reports a display that can save power, with DPMS enabled,
 * at the power level the file named by ALTOSTRAT_FAKE_DPMS holds: "off" or anything else for
 * on. The calls and their results are those of dpms.h. */
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

Bool DPMSQueryExtension(Display* display, int* event_base, int* error_base) {
    (void)display;
    *event_base = 0;
    *error_base = 0;
    return True;
}

Bool DPMSCapable(Display* display) {
    (void)display;
    return True;
}

Status DPMSInfo(Display* display, CARD16* power_level, BOOL* state) {
    (void)display;
    char word[8] = "";
    const char* path = getenv("ALTOSTRAT_FAKE_DPMS");
    FILE* file = path != NULL ? fopen(path, "r") : NULL;
    if (file != NULL) {
        if (fgets(word, sizeof word, file) == NULL) {
            word[0] = '\0';
        }
        fclose(file);
    }
    *state = True;
    *power_level = strncmp(word, "off", 3) == 0 ? DPMSModeOff : DPMSModeOn;
    return True;
}
