#include "core/Forms.h"

#include "audio/OggTest.h"
#include "core/Unit1.h"
#include "core/Unit2.h"
#include "core/Unit3.h"
#include "core/Unit32.h"
#include "core/Unit34.h"
#include "core/Unit43.h"
#include "core/Unit46.h"
#include "records/Unit21.h"
#include "records/Unit35.h"
#include "records/Unit38.h"
#include "records/Unit4.h"
#include "records/Unit44.h"
#include "records/Unit45.h"
#include "street/Unit19.h"
#include "street/Unit20.h"
#include "street/Unit22.h"
#include "street/Unit23.h"
#include "street/Unit25.h"
#include "street/Unit26.h"
#include "street/Unit27.h"
#include "street/Unit28.h"
#include "street/Unit29.h"
#include "street/Unit30.h"
#include "street/Unit31.h"
#include "street/Unit33.h"
#include "street/Unit36.h"
#include "street/Unit37.h"
#include "street/Unit39.h"
#include "street/Unit40.h"
#include "street/Unit41.h"
#include "street/Unit42.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit12.h"
#include "town/Unit13.h"
#include "town/Unit14.h"
#include "town/Unit15.h"
#include "town/Unit16.h"
#include "town/Unit17.h"
#include "town/Unit18.h"
#include "town/Unit24.h"
#include "town/Unit5.h"
#include "town/Unit6.h"
#include "town/Unit7.h"
#include "town/Unit8.h"
#include "town/Unit9.h"

#include "core/GameClock.h"
#include "core/GameState.h"

Forms::Forms()
{
    m_form1 = std::make_unique<TForm1>(*this);
    m_state = &m_form1->state();
    m_clock = &m_form1->clock();
    m_form2 = std::make_unique<TForm2>(*this);
    m_form3 = std::make_unique<TForm3>(*this);
    m_form4 = std::make_unique<TForm4>(*this);
    m_form5 = std::make_unique<TForm5>(*this);
    m_form6 = std::make_unique<TForm6>(*this);
    m_form7 = std::make_unique<TForm7>(*this);
    m_form8 = std::make_unique<TForm8>(*this);
    m_form9 = std::make_unique<TForm9>(*this);
    m_form10 = std::make_unique<TForm10>(*this);
    m_form11 = std::make_unique<TForm11>(*this);
    m_form12 = std::make_unique<TForm12>(*this);
    m_form13 = std::make_unique<TForm13>(*this);
    m_form14 = std::make_unique<TForm14>(*this);
    m_form15 = std::make_unique<TForm15>(*this);
    m_form16 = std::make_unique<TForm16>(*this);
    m_form17 = std::make_unique<TForm17>(*this);
    m_form18 = std::make_unique<TForm18>(*this);
    m_form19 = std::make_unique<TForm19>(*this);
    m_form20 = std::make_unique<TForm20>(*this);
    m_form21 = std::make_unique<TForm21>(*this);
    m_form22 = std::make_unique<TForm22>(*this);
    m_form23 = std::make_unique<TForm23>(*this);
    m_form24 = std::make_unique<TForm24>(*this);
    m_form25 = std::make_unique<TForm25>(*this);
    m_form26 = std::make_unique<TForm26>(*this);
    m_form27 = std::make_unique<TForm27>(*this);
    m_form28 = std::make_unique<TForm28>(*this);
    m_form29 = std::make_unique<TForm29>(*this);
    m_form30 = std::make_unique<TForm30>(*this);
    m_form31 = std::make_unique<TForm31>(*this);
    m_form32 = std::make_unique<TForm32>(*this);
    m_form33 = std::make_unique<TForm33>(*this);
    m_form34 = std::make_unique<TForm34>(*this);
    m_form35 = std::make_unique<TForm35>(*this);
    m_form36 = std::make_unique<TForm36>(*this);
    m_form37 = std::make_unique<TForm37>(*this);
    m_aboutBox = std::make_unique<TAboutBox>(*this);
    m_form38 = std::make_unique<TForm38>(*this);
    m_form39 = std::make_unique<TForm39>(*this);
    m_form40 = std::make_unique<TForm40>(*this);
    m_form41 = std::make_unique<TForm41>(*this);
    m_form42 = std::make_unique<TForm42>(*this);
    m_form43 = std::make_unique<TForm43>(*this);
    m_form44 = std::make_unique<TForm44>(*this);
    m_form45 = std::make_unique<TForm45>(*this);
    m_form46 = std::make_unique<TForm46>(*this);
}

// The windows go in the reverse order of their making, the main window with the game state last.
Forms::~Forms() = default;
