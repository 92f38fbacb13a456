/*
 * The symbol navigator over generated symbols: one image, 20 modules of 500 functions and 10
 * variables each. The host publishes its symbol tables as the function "symtabdatasource":
 * the pane's data source calls it with code 0 when it wants the symbols, and the host answers
 * with the Add exports before it returns. The pane's own requests (5 a command, 6 a watch, 7 a
 * breakpoint) go to "datanav".
 *
 *   navigator [ticks]
 */
#include "example.h"

#include <stdio.h>

#define MODULES 20
#define FUNCTIONS 500
#define VARIABLES 10
#define PANE_BOX ((TeskHandle)0x3001)

static int g_asked;
static long g_records;

/* Fields separated by single blanks; the last field takes the rest of the text. */
static int publishSymbols(int code, TeskHandle source, TeskHandle vdata, const char *text,
                          TeskHandle extra)
{
    char record[128];
    int m, i;
    (void)vdata, (void)text, (void)extra;
    if (code != 0)
        return 1;
    ++g_asked;
    CuiSymtabDataSourceAddImage(source, "app.elf");
    for (m = 0; m < MODULES; ++m) {
        snprintf(record, sizeof record, "app.elf module%02d src/module%02d.c", m, m);
        CuiSymtabDataSourceAddModule(source, record);
        for (i = 0; i < FUNCTIONS; ++i) {
            snprintf(record, sizeof record, "app.elf module%02d m%02d_function%03d 0x%08X %s", m, m,
                     i, 0x08000000u + (unsigned)(m * FUNCTIONS + i) * 0x40u,
                     i % 5 ? "Public" : "Static");
            g_records += CuiSymtabDataSourceAddFunction(source, record) == 0;
        }
        for (i = 0; i < VARIABLES; ++i) {
            snprintf(record, sizeof record, "app.elf module%02d m%02d_var%d 0x%08X Global", m, m, i,
                     0x20000000u + (unsigned)(m * VARIABLES + i) * 4u);
            g_records += CuiSymtabDataSourceAddVariable(source, record) == 0;
        }
    }
    return 0;
}

static int paneRequest(int code, TeskHandle pane, char *text, TeskHandle vdata, TeskHandle paneBox)
{
    (void)pane, (void)vdata, (void)paneBox;
    printf("navigator: request %d \"%s\"\n", code, text ? text : "");
    return 0;
}

int main(int argc, char **argv)
{
    TeskHandle pane;
    int ticks;
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (!exampleStart("navigator"))
        return 2;
    CuiFunctionRegistryAddFunction("symtabdatasource", (CuiRegistryFn)&publishSymbols);
    QtFrameShow();
    pane = CuiDataNavCreate();
    CuiDataNavSetFuncCB(pane, &paneRequest);
    CuiAbstractPaneSetWindBox(pane, PANE_BOX);
    QtCreateDocked(0, 0);
    QtWindowCreate2("Symbols", (void *)pane, PANE_BOX); /* asks for the symbols once shown */
    exampleIdle(exampleTicks(argc, argv, 0), NULL);
    ticks = exampleRun();
    printf("navigator: asked %d time(s) for symbols, %ld records taken in %d ticks\n", g_asked,
           g_records, ticks);
    return g_asked > 0 && g_records == (long)MODULES * (FUNCTIONS + VARIABLES) ? 0 : 1;
}
