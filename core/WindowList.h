// Every window of the game, one line each: its class, the owner's accessor, and the folder and module that hold it.
// The order is the order of the start-up of old, when all were made at once: the main window first. Adding a window is
// its line here and its own files; the owner's accessors and table and the includes of game/ all follow from this
// list. Names only: this header includes nothing.
#pragma once

// clang-format off
#define TRAMBUL_WINDOWS(X)                \
    X(TForm1, form1, game, Unit1)         \
    X(TForm2, form2, core, Unit2)         \
    X(TForm3, form3, core, Unit3)         \
    X(TForm4, form4, records, Unit4)      \
    X(TForm5, form5, town, Unit5)         \
    X(TForm6, form6, town, Unit6)         \
    X(TForm7, form7, town, Unit7)         \
    X(TForm8, form8, town, Unit8)         \
    X(TForm9, form9, town, Unit9)         \
    X(TForm10, form10, town, Unit10)      \
    X(TForm11, form11, town, Unit11)      \
    X(TForm12, form12, town, Unit12)      \
    X(TForm13, form13, town, Unit13)      \
    X(TForm14, form14, town, Unit14)      \
    X(TForm15, form15, town, Unit15)      \
    X(TForm16, form16, town, Unit16)      \
    X(TForm17, form17, town, Unit17)      \
    X(TForm18, form18, town, Unit18)      \
    X(TForm19, form19, street, Unit19)    \
    X(TForm20, form20, street, Unit20)    \
    X(TForm21, form21, records, Unit21)   \
    X(TForm22, form22, street, Unit22)    \
    X(TForm23, form23, street, Unit23)    \
    X(TForm24, form24, town, Unit24)      \
    X(TForm25, form25, street, Unit25)    \
    X(TForm26, form26, street, Unit26)    \
    X(TForm27, form27, street, Unit27)    \
    X(TForm28, form28, street, Unit28)    \
    X(TForm29, form29, street, Unit29)    \
    X(TForm30, form30, street, Unit30)    \
    X(TForm31, form31, street, Unit31)    \
    X(TForm32, form32, core, Unit32)      \
    X(TForm33, form33, street, Unit33)    \
    X(TForm34, form34, audio, OggTest)    \
    X(TForm35, form35, records, Unit35)   \
    X(TForm36, form36, street, Unit36)    \
    X(TForm37, form37, street, Unit37)    \
    X(TAboutBox, aboutBox, core, Unit34)  \
    X(TForm38, form38, records, Unit38)   \
    X(TForm39, form39, street, Unit39)    \
    X(TForm40, form40, street, Unit40)    \
    X(TForm41, form41, street, Unit41)    \
    X(TForm42, form42, street, Unit42)    \
    X(TForm43, form43, core, Unit43)      \
    X(TForm44, form44, records, Unit44)   \
    X(TForm45, form45, records, Unit45)   \
    X(TForm46, form46, core, Unit46)
// clang-format on
