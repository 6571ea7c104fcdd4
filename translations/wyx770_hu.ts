<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="hu_HU">
<context>
    <name>AddRouteDlg</name>
    <message>
        <source>Bejárási útvonal hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terven belül minden egyes útvonalnak saját, egyedi nevet kell adni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terven belül minden egyes útvonalnak saját, egyedi nevet kell adni.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal típusa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiválasztható az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiválasztható az útvonalban előforduló ellenőrzési pontok és indulási idők meghatározásának módja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kötött sorrend - Kötött indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott sorrendben és a meghatározott időpontokban kell ez egyes pontokat bejárni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott sorrendben és a meghatározott időpontokban kell ez egyes pontokat bejárni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kötött sorrend - Szabad indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pontokat megadott sorrendben kell bejárni, de az indulási idő egy tartományon belül szabadon megválasztható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A pontokat megadott sorrendben kell bejárni, de az indulási idő egy tartományon belül szabadon megválasztható&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szabad sorrend - Kötött indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, de az indulási idők pontosan meg vannak határozva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, de az indulási idők pontosan meg vannak határozva.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szabad sorrend - Szabad indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, az indulási idők pedig egy tartományon belül szabadon megválaszthatóak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontokat egy megadott idő alatt tetszőleges sorrendben lehet bejárni, az indulási idők pedig egy tartományon belül szabadon megválaszthatóak.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szabad sorrend- Rugalmas indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontok sorrendje tetszőleges, de a két pont között meghatározott időnek kell eltelnie. Az indulási idők is szabadon választhatóak a megadott tartományban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontok sorrendje tetszőleges, de a két pont között meghatározott időnek kell eltelnie. Az indulási idők is szabadon választhatóak a megadott tartományban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal mentése az útvonal tervbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visszalépés az útvonal mentése nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés az útvonal mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs megadva útvonal név!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilyen nevű útvonal már van!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ki kell választani az útvonal típusát!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal adatai</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigDlg</name>
    <message>
        <source>Konfiguráció beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ismétlődő  bejegyzések összevonása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az egymást közvetlenül követő rendkvüli események egy bejegyzésbe összevonva kerülnek naplózásra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az egymást közvetlenül követő rendkvüli események egy bejegyzésbe összevonva kerülnek naplózásra.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku állapot naplózása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény naplóban rögzítésre kerül az akku kimerülése és feltöltése.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban rögzítésre kerül az akku kimerülése és feltöltése.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku mélykisülés naplózása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény naplóban rögzítésre kerül, ha az akku teljesen lemerül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban rögzítésre kerül, ha az akku teljesen lemerül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat állapot naplózása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló rögzíti a burkolat megbontását.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény napló rögzíti a burkolat megbontását.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesedés detektálás naplózása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amennyiben nedvesedést érzékel a készülék, azt rögzíti az esemény naplóban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Átír</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott beállítások kiírása a csatlakoztatott készülékbe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék beállításai nem módosulnak.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>%1
Mióta ez az ablak betöltötte vagy elmentette, a fájl megváltozott.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megváltozott fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felülírjuk a másik változatot?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felülírjuk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltsük újra? Az ablak el nem mentett változásai elvesznek; különben a művelet elmarad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltjük</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DoubleProcessDlg</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A futó folyamat megszakítása.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A futó folyamat megszakítása.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplexPrintDialog</name>
    <message>
        <source>Kézi kétoldalas nyomtatás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden oldal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott tartomány minden oldala nyomtatásra kerül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartomány minden oldala nyomtatásra kerül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a páratlan oldalak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott tartományból csak a páratlan oldalak nyomtatódnak ki.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartományból csak a páratlan oldalak nyomtatódnak ki.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a páros oldalak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott tartományból csak a páros oldalak nyomtatódnak ki.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott tartományból csak a páros oldalak nyomtatódnak ki.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldalak fordított sorrendben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyomtatás az utolsó oldallal kezdődik, és az elsővel ér véget.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás az utolsó oldallal kezdődik, és az elsővel ér véget.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyomtatás elindítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a nyomtatás elindítása nélkül</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluationDlg</name>
    <message>
        <source>Őrjárat leírás kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1 *.%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluationEngine</name>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naplók:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bejegyzések:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiértékelés formázása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>útvonal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>indulás:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluationModel</name>
    <message>
        <source>Szűkített jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Részletes jelentés %1 kezdéssel &quot;%2&quot; teljesítéséről</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fejléc: %1 kezdés, &quot;%2&quot; útvonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érintett esemény napló(k): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ellenőrzése kimaradt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kifogástalanul  ellenőrizve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 túl hosszú szünet(ek)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 időszak alatt nem volt ellenőrizve!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sorrendi hiba!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 túl hosszú követési idő!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 helyett más pont!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 túl rövid követési idő!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 többszörösen ellenőrizve!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 RENDBEN TELJESÍTVE (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 RENDBEN TELJESÍTVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        - Egymást átfedő teljesítések! -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TÚL RÖVID KÖVETÉSI IDŐK! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TÚL RÖVID KÖVETÉSI IDŐK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TÚL HOSSZÚ KÖVETÉSI IDŐK! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TÚL HOSSZÚ KÖVETÉSI IDŐK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        - Többszörösen teljesítve! -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 IDEGEN PONT(OK)! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 IDEGEN PONT(OK)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 SORRENDI HIBA! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 SORRENDI HIBA!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 IDÖ ELTÉRÉS(EK)! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 IDÖ ELTÉRÉS(EK)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TÚL KEVÉS KÖR TELJESÍTVE! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TÚL KEVÉS KÖR TELJESÍTVE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KIMARADT PONT(OK)! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KIMARADT PONT(OK)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ÚTVONALBAN NINCS INDULÁSI IDŐ MEGADVA!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ÚTVONALBAN NINCS ELLENŐRZŐ PONT MEGADVA!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 NINCS VÉGREHAJTVA!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** A teljes őrjárat hibátlanul teljesítve! ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; naplóban %2 rendkívüli esemény!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; esemény napló nem hozzáférhető!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; naplóban nincs a vizsgált időtartományba eső bejegyzés!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyetlen esemény napló sincs megadva, nincs mit kiértékelni!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyetlen bejárási útvonal sincs meghatározva, nincs mit kiértékelni!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 HIBÁSAN TELJESÍTVE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 HIBÁSAN TELJESÍTVE! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kimaradt %2x és túl hosszú követési idő!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kimaradt %2x és túl rövid követési idő!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 túl rövid és túl hosszú követési idő is előfordult!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 teljesítésénél többféle hiba!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentés mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni a teljesítés jelentést
Nincs név megadva hozzá!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
adat írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentés megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést
Nincs név megadva hozzá!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést
%1
Ez a fájl nem létezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a teljesítés jelentést:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 elmaradt %n ellenőrzés!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzése %n perc idő eltéréssel!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 idegen pont és %n perc idő eltérés!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 rossz sorrend és %n perc idő eltérés!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzésénél %n perc idő eltérés! (többszörös teljesítés ellenére)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hosszú kihagyás és %n perc idő eltérés!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 kimaradt ellenőrzés(ek) és %n perc idő eltérés!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ellenőrzésénél %n perc idő eltérés és további hibák!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluationRow</name>
    <message>
        <source>akku töltés kezdés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nedvesség detektálás vége</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>burkolat zárás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akku feltöltve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>óra átállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kiolvasva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs adat eddig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archiválva ettől</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inicializálva</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluationTableView</name>
    <message>
        <source>Teljesítés jelentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentés exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluationView</name>
    <message>
        <source>Teljesítés jelentés mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentések (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fájlnév:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A létrehozandó fájl neve, amibe az adatok exportálásra kerülnek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A létrehozandó fájl neve, amibe az adatok exportálásra kerülnek&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl böngésző használata az exportálás célfájljának kiválasztására</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A fájl böngésző használata az exportálás célfájljának kiválasztására&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>formátum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az exportálás fájl típusának kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportálás fájl típusának kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldal beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az exportált oldalak kinézetét meghatározó beállítások megadása egy felugró párbeszéd ablakban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportált oldalak kinézetét meghatározó beállítások megadása egy felugró párbeszéd ablakban&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exportálandó tartomány</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az exportálandó adat tartomány meghatározása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az exportálandó adat tartomány meghatározása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A teljes dokumentum exportálásra kerül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A teljes dokumentum exportálásra kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kijelölt tartomány</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a kijelölt (kiemelten megjelenített) adatok kerülnek exportálásra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kijelölt (kiemelten megjelenített) adatok kerülnek exportálásra&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzor sorig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás a dokumentum kezdetétől addig a sorig, ahol a kurzor áll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exportálás a dokumentum kezdetétől addig a sorig, ahol a kurzor áll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzor sortól</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás a dokumentum végéig attól a sortól, ahol a kurzor áll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exportálás a dokumentum végéig attól a sortól, ahol a kurzor áll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oldalak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a megadott lap tartományba eső oldalak exportálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a megadott lap tartományba eső oldalak exportálása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>érvényességi dátumot is exportálja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az egyes bejegyzésekhez tartozó érvényesség kezdete dátum is exportálásra kerül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>színbeállításokat is exportálja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az egyes bejegyzések háttér, és betűszín beállításai is exportálásra kerülnek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott paraméterek szerinti adat exportálás elindítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott paraméterek szerinti adat exportálás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása az exportálás elindítása nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása az exportálás elindítása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portable Document Format (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2);;Portable Document Format (*.%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>%1 nevű fájl már létezik.
Felülírjuk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs nyomtatható oldal.
%1 nem készült el.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtractRouteDlg</name>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>első pont az indulási időtől:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárásának megkezdésekor az első pont eléréshez szükséges idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal bejárásának megkezdésekor az első pont eléréshez szükséges idő&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény naplóban kijelölt, az útvonal tervbe átemelendő ellenőrző pontok listája</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az esemény naplóban kijelölt, az útvonal tervbe átemelendő ellenőrző pontok listája&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>útvonal terv:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv fájl neve, amibe a kijelölt ellenőrzési pontokból álló útvonal kerül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv fájl neve, amibe a kijelölt ellenőrzési pontokból álló útvonal kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv kiválasztása a fájl böngésző segítségével</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv kiválasztása a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>útvonal név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A most létrehozandó útvonalnak egy tetszőleges, de egyedi nevet kell adni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A most létrehozandó útvonalnak egy tetszőleges, de egyedi nevet kell adni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>útvonal típus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal típusa határozza meg az ellenőrzési pontok, és a bejárási idők megadásának módját</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal típusa határozza meg az ellenőrzési pontok, és a bejárási idők megadásának módját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadottak szerinti útvonal felvétele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadottak szerinti útvonal felvétele&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elveti az útvonalat és bezárja a párbeszéd ablakot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Elveti az útvonalat és bezárja a párbeszéd ablakot&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Őrjárat leírás kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Egyszerű szöveg (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fulfilment</name>
    <message>
        <source>útvonalterv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InitDlg</name>
    <message>
        <source>Inicializálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredeti azonosító név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új azonosító név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A készüléket azonosító 8 karakterből álló egyedi név, ami nem tartalmazhat szóközt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beállítandó idő:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A készülék órája tetszőleges időpontra beállítható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék órája tetszőleges időpontra beállítható&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC idővel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A készülék átnevezése, órájának számítógéphez igazítása, és egy új, üres esemény napló létrehozása hozzá.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék átnevezése, órájának számítógéphez igazítása, és egy új, üres esemény napló létrehozása hozzá.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezzel az idővel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A készülék átnevezése, órájának a megadott időre állítása, és egy új, üres esemény napló létrehozása hozzá.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készülék átnevezése, órájának a megadott időre állítása, és egy új, üres esemény napló létrehozása hozzá.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden változtatás elvetése és a párbeszéd ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden változtatás elvetése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szóköz, és az alábbi karakterek nem megengedettek:
\  /  .  :  ?  *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A név legalább egy,
és legfeljebb nyolc karakterből állhat!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 néven már van kiolvasott esemény napló.
Adjon meg egy még nem használt nevet!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KodNevEditDialog</name>
    <message>
        <source>Kód-Név felvétel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kód:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pont 12 karakterből álló azonosító kódja, amely az A...P betűket tartalmazhatja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont 12 karakterből álló azonosító kódja, amely az A...P betűket tartalmazhatja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Elnevezés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat. Ezt a mezőt nem hagyhatja üresen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat. Ezt a mezőt nem hagyhatja üresen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvényesség kez&amp;dete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott kódhoz tartozó elnevezés ezen dátumtól kezdődően érvényes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott kódhoz tartozó elnevezés ezen dátumtól kezdődően érvényes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Háttér szín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betű szín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az elnevezés rögzítése a kódlistában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az elnevezés rögzítése a kódlistában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bevitt adatok elvetése és a párbeszéd ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A bevitt adatok elvetése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-Név szerkesztés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-Név törlés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Töröl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mindig érvényes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KodNevModel</name>
    <message>
        <source>%1 kód %2 dátummal már szerepel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>néven.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Átnevezzük erre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figyelem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Átnevez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvényes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megnevezés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-név lista beolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
nem volt beolvasható.
Felülírjuk a jelenlegi kód-név listával?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felülír</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibaüzenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kód-név fájl mentése sikertelen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1
%n bejegyzés neve üres vagy 80 karakternél hosszabb volt, ezek kimaradtak.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni a kód-név listát:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kód-név fájl mentése sikertelen!
%1
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Mióta ez a program beolvasta vagy elmentette, a kód-név lista fájlja megváltozott.
Felülírjuk a másik változatot? Ha nem, most nem mentünk: a lista bejegyzései a programban maradnak, és a következő mentés újra megkérdezi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felülírjuk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KodnevView</name>
    <message>
        <source>Nem töltötte ki a kód mezőt
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvénytelen kód: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvénytelen dátum: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-név lista exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kódlista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem UTF-8 kódolású szöveg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sor nem cellákkal kezdődik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>érvénytelen kód: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-név lista importálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nem létezik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 importálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl túl nagy egy kód-név listához</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nem megfelelő adatokat tartalmaz.
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFindDlg</name>
    <message>
        <source>Keresés az esemény naplóban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dátumot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresés figyelembe veszi a bejegyzés dátumát</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés figyelembe veszi a bejegyzés dátumát&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresendő dátum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő dátum&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresés nem csak a dátumra, hanem az időpontra is kiterjed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés nem csak a dátumra, hanem az időpontra is kiterjed&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresendő időpont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő időpont&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Találat csak pontos egyezésre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ha nincs kipipálva, a keresés irányától függően elfogadja a megadottat megelőző, illetve követő dátumot is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha nincs kipipálva, a keresés irányától függően elfogadja a megadottat megelőző, illetve követő dátumot is&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bejegyzést</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresés figyelembe veszi a bejegyzés típusát, illetve az ellenőrző pont kódját</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés figyelembe veszi a bejegyzés típusát, illetve az ellenőrző pont kódját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendkívüli bejegyzés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valamilyen rendkívüli (nem pont érintés) bejegyzést keres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valamilyen rendkívüli (nem pont érintés) bejegyzést keres&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresendő rendkívüli bejegyzés típusának meghatározása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő rendkívüli bejegyzés típusának meghatározása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bármilyen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manipuláció</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicializálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat megbontás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku kimerülés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku mélykisülés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adatvesztés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosszú szünet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzőpont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keresés az ellenőrző pont érintés bejegyzések között</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Keresés az ellenőrző pont érintés bejegyzések között&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAAAAAAAAAAA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresendő ellenőrző pont azonosító kódja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresendő ellenőrző pont azonosító kódja&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrzési pontok listájából</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrzési pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visszafelé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ha ki van pipálva, a napló végétől az eleje felé haladva keres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha ki van pipálva, a napló végétől az eleje felé haladva keres&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott paramétereknek megfelelő bejegyzés keresése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott paramétereknek megfelelő bejegyzés keresése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresés befejezése, és a párbeszéd ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A keresés befejezése, és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogModel</name>
    <message>
        <source>sor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leírás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót
Nincs név megadva hozzá!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót
%1
Ez a fájl nem létezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az esemény naplót:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
sérült, vagy nem megfelelő.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beolvasás sikertelen!
%1
adat olvasási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az esemény naplót
Nincs név megadva hozzá!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az esemény naplót
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az archív fájl létrehozása nem sikerült!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló mentése nem sikerült:
%1
Az archiválás elmaradt, a napló változatlan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mentés sikertelen!
%1
adat írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n nap </source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogReadOut</name>
    <message>
        <source>Óra beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék órája nem pontos.
Hozzáigazítsuk a számítógéphez?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló már meglehetősen hosszú.
Ajánlott archiválni, hogy a régi,
már érdektelen bejegyzések ne lassítsák a munkát.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék nem ehhez a napló fájlhoz tartozik.
Mégis folytassuk a kiolvasást?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék napló kapacitását
meghaladó számú bejegyzés keletkezett.
Ezért a régebbiek közül már valamennyi elveszett.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló elmentve, de a kiolvasás idejét nem sikerült a készülékbe írni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék nem az, amelyiknek a kiolvasása elkezdődött.
A kiolvasás elmarad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló fájlja a kiolvasás közben megváltozott, és már nem ehhez a kiolvasáshoz illeszkedik.
A kiolvasás elmarad; a bejegyzések a készülékben maradnak.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogTableView</name>
    <message>
        <source>Rendkívüli bejegyzés keresés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs több rendkívüli bejegyzés
a napló vége felé haladva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs több rendkívüli bejegyzés
a napló eleje felé haladva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kijelölt időtartomány túl hosszú!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kijelölt tartományban nincsen ellenőrző pont bejegyzés!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keresés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs a feltételeknek megfelelő bejegyzés
a napló eleje felé haladva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs a feltételeknek megfelelő bejegyzés
a napló vége felé haladva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem lett felvéve!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem megfelelő név: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az archív fájl létrehozása nem sikerült!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Archiválás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló fájlja megváltozott, ezért újra betöltöttük.
Válassza ki ismét a sort, amelytől a napló megmarad, és archiváljon újra.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Súgó</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tartalom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tárgymutató</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Új szöveg fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új szöveg fájl létrehozása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Megnyit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy létező fájl megnyitása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nyomtatás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dokumentum kinyomtatása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ny&amp;omtatási kép...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dokumentum nyomtatási képének előnézete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ellenőrzési pontok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrzési pontok elnevezéseinek kezelése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importálás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzési pontok elnevezéseinek importálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exportálás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzési pontok elnevezéseinek exportálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló exportálása más fájl formátumba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archiválás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A régi esemény bejegyzések archív fájlba mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzési pont &amp;felvétel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új ellenőrzési pont név felvétele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzési pont nevének &amp;módosítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy létező ellenőrzési pont nevének módosítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzési pont elnevezés &amp;törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy létező ellenőrzési pont név törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Men&amp;tés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szöveg fájl lemezre mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés más né&amp;ven...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szöveg fájl lemezre mentése más néven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kilépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilép a programból</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kivágás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kijelölt tartomány kivágása és a vágólapra másolása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Másolás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kijelölt tartomány vágólapra másolása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beillesztés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A vágólap tartalmának beillesztése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bejegyzés keresés...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bejegyzés keresése az esemény naplóban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bejegyzések &amp;szűrése...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Következő rendkívüli esemény</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ugrás az esemény naplóban időrendben következő rendkívüli bejegyzésre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Előző rendkívüli esemény</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ugrás az esemény naplóban időrendben megelőző rendkívüli bejegyzésre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pont elnevezése...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az aktuális ellenőrző pont elnevezése, vagy nevének módosítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Névtelen kódok keresése...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény naplóban még el nem nevezett ellenőrző pontok megkeresése és elnevezése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beállítások...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program működési paramétereinek beállítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Súgó...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program beépített súgójának megjelenítése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az aktív ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden ablakot bezár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az összes megnyitott ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék esemény naplójának kiolvasása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dátum/idő beállítás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék belső órájának beállítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inicializálás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék használatbavétel előtti beállítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Státusz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék állapotának ellenőrzése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfiguráció &amp;beállítás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék működési paramétereinek beállítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra &amp;hangolás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék órájának finomhangolása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mozaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egymás melletti ablak elrendezés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lépcsőzetes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egymást átfedő, lépcsőzetes ablak elrendezés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Következő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A következő megnyitott ablakra váltás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Előző</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az előző megnyitott ablakra váltás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzió szám és egyéb információk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Qt info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Információk a Qt rendszerről</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új útvona&amp;lterv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új útvonal terv fájl létrehozása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy útvonal terv alapján jelentés készítés a teljesítésről</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv lefuttatása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az aktuális, megnyitott útvonal terv alapján jelentés készítés a teljesítésről</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény &amp;napló hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló hozzáadása az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló e&amp;ltávolítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló eltávolítása az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Út&amp;vonal hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új útvonal hozzáadása az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal &amp;törlés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy útvonal törlése az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indulási idő hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új indulási időpont hozzáadása az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási idő &amp;eltávolítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási időpont eltávolítása az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrző &amp;pont felvétel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új ellenőrző pont hozzáadása az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrző pont &amp;megszüntetés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy ellenőrző pont törlése az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mó&amp;dosít...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv kijelölt elemének módosítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal definiálás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló kijelölt tartományából útvonal terv létrehozása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csomópontok lenyitása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az összes csomópont kinyitása a listában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alapértelmezett csomópontok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az alapértelmezett csomópontokon kívül az összeset bezárja a listában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csomópontok becsukása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az összes csomópontot összecsukja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv fájl lemezre mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv fájl lemezre mentése egy új néven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl lemezre mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl lemezre mentése egy új néven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv exportálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv importálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentés exportálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sz&amp;erkeszt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Adatátvitel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nézet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Súgó</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adatátvitel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szerkeszt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUELTA - %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUELTA járőr ellenőrző rendszer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program információk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;&lt;big&gt;%1 Őr ellenőrző kiértékelő program&lt;/big&gt;&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Verzió: %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Ez a program a Qt Project függvény könyvtárait használja, amire az LGPL licensz vonatkozik. Ezen függvény könyvtárak forráskódja megismerhető, és szabadon módosíthatóak. További információ: &lt;a href=&quot;https://www.qt.io/licensing/&quot;&gt;https://www.qt.io/licensing/&lt;/a&gt;&lt;br/&gt;Mindazonáltal nem tudunk garanciát vállalni arra, hogy egy módosított, vagy más verziójú DLL alkalmazásával a program megfelelően fog működni.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló fájl betöltve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szöveg fájl betöltve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény naplók (*.%1 *.%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1 *.%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentések (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyszerű szövegfájlok (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden fájl (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl elmentve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló már létezik, de nem sikerült betölteni.
Létrehozzunk helyette egy újat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sérült esemény naplót nem sikerült átnevezni:
%1
A kiolvasás elmarad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra hangolás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az óra hangoláshoz szükséges, hogy a számítógép órája pontos legyen!
Folytathatjuk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naplóból útvonal terv kiemelése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikertelen ellenőrző pont felvétel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... és további %n fájl.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Fájl megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzési pont elnevezések importálása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eXtensible Markup Language (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kódlista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eseménynapló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>útvonal terv jelentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teljesítés jelentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv fájl betöltve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv fájl elmentve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló hozzáadva az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló eltávolítva az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új útvonal hozzáadva az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal törölve az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új indulási idő hozzáadva az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az indulási idő törölve az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új ellenőrző pont hozzáadva az útvonal tervhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrzési pont törölve az útvonal tervből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv módosult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teljesítés jelentés fájl betöltve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A teljesítés jelentés fájl elmentve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kód-név lista legutóbbi mentése elmaradt: a lista változásai nincsenek elmentve, kilépéskor elvesznek.
Mégis kilépünk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilépünk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionDlg</name>
    <message>
        <source>Opciók</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Általános beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program általános működését befolyásoló beállítások és alapértelmezett értékek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legkorábbi előforduló évszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az évezred meghatározása a két számjeggyel megadott dátumokhoz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az évezred meghatározása a két számjeggyel megadott dátumokhoz&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatikus óra beállítás kiolvasáskor, ha az eltérés több, mint (ó:pp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasáskor felhasználói beavatkozás nélkül a számítógéphez igazítja a csatlakoztatott készülék óráját</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiolvasáskor felhasználói beavatkozás nélkül a számítógéphez igazítja a csatlakoztatott készülék óráját&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beállítható érték 1 perc és 23 óra 59 perc között van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítható érték 1 perc és 23 óra 59 perc között van&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatikus kiértékelés kezdő dátuma az aktuális előtt (nap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az aktuális dátumot ennyi nappal megelőzőt ajánlja alapértelmezettként az automatikus kiértékelés indításakor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az aktuális dátumot ennyi nappal megelőzőt ajánlja alapértelmezettként az automatikus kiértékelés indításakor&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az automatikus teljesítés kiértékelés részletessége</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az automatikus kiértékelés alapértelmezett részletessége</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az automatikus kiértékelés alapértelmezett részletessége&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>szűkített</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normál</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>részletes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kézi kétoldalas nyomtatási beállítások megjelenítése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyomtatás indítása után még egy párbeszéd ablakot jelenít meg a kézi kétoldalas nyomtatási beállításokkal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A nyomtatás indítása után még egy párbeszéd ablakot jelenít meg a kézi kétoldalas nyomtatási beállításokkal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A buborék súgó letiltása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az egér kurzor alatti elemről felugró ablakban megjelenő rövid súgó üzenetek letiltása (mint ez is)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az egér kurzor alatti elemről felugró ablakban megjelenő rövid súgó üzenetek letiltása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyelv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program nyelvének kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A program nyelvének kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatikus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magyar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Német</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Könyvtárak, útvonalak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az adat fájlok helyének meghatározásai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Munka könyvtár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az itt megadott könyvtárba kerülnek az esemény naplók, és a program egyéb adat fájljai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt megadott könyvtárba kerülnek az esemény naplók, és a program egyéb adat fájljai&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallóz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Könyvtár választás a fájl böngésző segítségével</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Könyvtár választás a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archiválási könyvtár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ide kerülnek az archivált esemény naplók</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ide kerülnek az archivált esemény naplók&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kód-Név fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrzési pontok elnevezéseit tároló fájl neve. Ha nem ad meg útvonalat, a munkakönyvtárba kerül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrzési pontok elnevezéseit tároló fájl neve. Ha nem ad meg útvonalat, a munkakönyvtárba kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiválasztás a fájl böngésző használatával</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kiválasztás a fájl böngésző használatával&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megjelenítés, kinézet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az adatok megjelenítését, kinézetét befolyásoló beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontok érintése között eltelt idő megjelenítése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden egyes pont érintésnél megjeleníti az előző pont érintése óta eltelt időt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden egyes pont érintésnél megjeleníti az előző pont érintése óta eltelt időt&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiemelés rendkívüli eseményként, ha az idő nagyobb, mint (ó:pp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ha egy ellenőrző pont érintése és az előző pont érintése között a megadottnál több idő telt el, a bejegyzés rendkívülinek minősül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha egy ellenőrző pont érintése és az előző pont érintése között a megadottnál több idő telt el, a bejegyzés rendkívülinek minősül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megengedett maximális idő két pont érintése között</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megengedett maximális idő két pont érintése között&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Színes kiemelésl az esemény naplóban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rendkívüli  bejegyzések színesen jelennek meg, valamintl az ellenőrző pontok színbeállításai is érvényre jut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A rendkívüli esemény bejegyzések különböző feltűnő szinekkel kerülnek kiírásra, valamint a normál esemény bejegyzéseknél az ellenőrző pontok színbeállításai is érvényre jut.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontok kódja mindig jelenjen meg az esemény naplóban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pont kódja akkor is megjelenik, ha van elnevezése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont kódja akkor is megjelenik, ha van elnevezése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Váltakozó háttér szín a lista soroknál</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden második adatsor háttér színének megváltoztatása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minden második adatsor háttér színének megváltoztatása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A listákban használandó betűtípus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A képernyőn és a nyomtatásban megjelenített dokumentumok betű típusa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A képernyőn és a nyomtatásban megjelenített dokumentumok betű típusa&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A listákban használandó betűk mérete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A képernyőn és a nyomtatásban megjelenített dokumentumok betű mérete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A képernyőn és a nyomtatásban megjelenített dokumentumok betű mérete&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beállítások mentése és a párbeszéd ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítások mentése és a párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alkalmaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beállítások mentése a párbeszéd ablak bezárása nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A beállítások mentése a párbeszéd ablak bezárása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a beállítások mentése nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása a beállítások mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A munka könyvtár nem létezik:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A munka könyvtár nem írható:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az archiválási könyvtár nem létezik:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az archiválási könyvtár nem írható:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kód-név fájl neve hiányzik, vagy egy könyvtárat nevez meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kód-név lista módosításait nem sikerült menteni, a beállítások alkalmazásával elvesznek.
Folytatjuk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Munkakönyvtár kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiválási könyvtár kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-név fájlok (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód-név fájl kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Nyomtatás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beállított lapméretre a kiválasztott betűmérettel
semmit sem lehet kinyomtatni!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyomtatás nem indítható el:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   %2 oldal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyomtatás nem sikerült.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointSelectPopUpDlg</name>
    <message>
        <source>Ellenőrző pont kiválasztás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A már elnevezett ellenőrzési pontok listája, amiből kiválaszthatja a kívántat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A már elnevezett ellenőrzési pontok listája, amiből kiválaszthatja a kívántat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiválaszt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kijelölt ellenőrzési pont kiválasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kijelölt ellenőrzési pont kiválasztása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Párbeszéd ablak bezárása ellenőrzési pont kiválasztás nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Párbeszéd ablak bezárása ellenőrzési pont kiválasztás nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs egyetlen elnevezett ellenőrző pont sem!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Könyvtár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fájl név</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fájl típus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1   Version: %2     Released: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akku töltés kezdés - MÉLYKISÜLÉS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nedvesség detektálás vége - kezdete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>burkolat zárás - nyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>telep jó - telep kimerült</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>új idő - eredeti idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kiolvasva - előző kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs adat eddig - ettől</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archiválva ettől - eddig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inicializálva - előzőleg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>más készülék! inicializálva - eredeti inic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  *** Nem értelmezhető bejegyzés ***</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadOutDlg</name>
    <message>
        <source>Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folyamat jelző</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Folyamat jelző&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A művelet befejezése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A művelet befejezése&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteDefDelegate</name>
    <message>
        <source>%1/kör</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kezd:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vég:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n perc</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteDefModel</name>
    <message>
        <source>Elvárt pontosság:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vizsgálandó esemény naplók</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bejárandó útvonalak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási idők</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szolgálati idők</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrző pontok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal kiértékelésekor a megadott
időpontokhoz képest még elfogadható eltérés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy esemény napló hozzáadása a kiértékeléshez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ebben az esemény naplóban kell keresni az útvonal teljesítését</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az esemény napló eltávolítása a kiértékelésből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy új bejárási útvonal hozzáadása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejárási útvonal elnevezése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejárási útvonal típusa:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az az idő, ami alatt a bejárást teljesíteni kell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejárási útvonal törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új indulási idő hozzáadása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új szolgálati idő hozzáadása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárásának kezdő időpontja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárásának befejező időpontja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két ellenőrzőpont érintése között
legalább ennyi időnek kell eltelnie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két bejárás között
legfeljebb ekkora szünet lehet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két ellenőrzőpont érintése között
legfeljebb ennyi időnek szabad eltelnie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennyiszer kell bejárni az útvonalat
a szolgálati idő alatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennyiszer kell meglátogatni minden
ellenőrző pontot a megadott idő alatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezen indulási idő törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezen szolgálati idő törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy ellenőrző pont hozzáadása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontot azonosító kód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontot az idulási idő után ennyivel kell elérni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennek az ellenőrző pontnak a törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet
Nincs név megadva hozzá!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet
%1
Ez a fájl nem létezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült megnyitni az útvonal tervet:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Nem megfelelő, vagy sérült fájl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az adatok beolvasása során hiba lépett fel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Adat olvasási hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az útvonal tervet
Nincs név megadva hozzá!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nevű útvonal terv már létezik.
Felülírjuk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az adatok lemezre írása során hiba lépett fel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kötött Sorrend - Kötött Indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kötött Sorrend - Szabad Indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szabad Sorrend - Kötött Indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szabad Sorrend - Szabad Indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szabad Sorrend - Rugalmas Indulás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KS - KI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KS - SzI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SzS - KI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SzS - SzI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rugalmas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kód :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az adatok lemezre írása során hiba lépett fel!
%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy csoportban legfeljebb %1 sor lehet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem sikerült elmenteni az útvonal tervet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteDefView</name>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válassza ki az útvonal tervhez
hozzáadandó esemény naplót:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esemény napló törlés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valóban töröljük a kijelölt esemény naplót?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Töröljük</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal törlés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valóban töröljük a kijelölt útvonalat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;  útvonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valóban töröljük az alábbi időpontot:
&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valóban töröljük az alábbi ellenőrző pontot:
&quot;%1%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal módosítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módosít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrző pont módosítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elvárt pontosság</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megengedett időeltérés percben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>útvonalterv%1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Őrjárat leírások (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; fájl módosult.
Elmentsük a változásokat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentsük</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne mentsük</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv exportálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
Fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exportálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal terv importálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nem létezik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 importálása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beolvasás a fájl %1. soránál megállt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyomtatás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beállított lapméretre a kiválasztott betűmérettel
semmit sem lehet kinyomtatni!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyomtatás nem indítható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 útvonal:  %2    %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kezdete %1  vége %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl formátuma nem megfelelő!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>kezdete %1  vége %2   %n kör, közte max.%3 szünet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kezdete %1  vége %2   %n kör, pontok közt min.%3, max.%4</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; útvonal terv, elvárt pontossága: %n perc</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1” → „%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>és még %n útvonal.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Az alábbi útvonalak nevét rövidíteni vagy módosítani kellett, mert az útvonal terv legfeljebb 80 bájtos neveket tárol, és két útvonalnak nem lehet azonos neve:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteHead</name>
    <message>
        <source>köridő: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>nem közönséges fájl (mappa, eszköz vagy FIFO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>írási hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figyelem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mentés megtörtént, de az előző változatot nem sikerült biztonsági másolatként megtartani:
%1
A korábbi biztonsági másolat változatlan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy másik felhasználó szimbolikus linkje egy bárki által írható közös mappában, nem követhető: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program egy másik mentése éppen írja ezt a fájlt; próbálja újra később</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusDlg</name>
    <message>
        <source>Állapot információk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azonosító név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyári szám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló ciklusok:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicializálások:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesedések:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicializálva:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasva:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beüzemelve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Javítva:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mélykisülés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elem állapota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat állapot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség érzékelés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra állapota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frissít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adatok újra olvasása a készülékből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adatok újra olvasása a készülékből&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TxtView</name>
    <message>
        <source>document%1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szövegfájl megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fájl megnyitása sikertelen!
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mentése nem sikerült!
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés más néven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; megváltozott.
Mentsük a változásokat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nagyobb %1 MB-nál</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl egy sora hosszabb %1 karakternél</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnNamedPointDlg</name>
    <message>
        <source>Névtelen kódok keresése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kód:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 karakterből álló egyedi ellenőrző pont kód, amely az A...P betűkből állhat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;12 karakterből álló egyedi ellenőrző pont kód, amely az A...P betűkből állhat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Érvényesség kez&amp;dete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az elnevezés ezen dátumtól kezdődően érvényes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az elnevezés ezen dátumtól kezdődően érvényes.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Elnevezés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pontot tetszőlegesen elnevezheti, de az elnevezés legfeljebb 80 karakterből állhat&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Háttér szín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betű szín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folyamat jelző</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Folyamat jelző&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felveszi ezt az elnevezést és folytatja a keresést</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Felveszi ezt az elnevezést és folytatja a keresést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kihagy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem nevezi el ezt a pontot, de folytatja a keresést</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nevezi el ezt a pontot, de folytatja a keresést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befejezi a névtelen kódok keresését</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Befejezi a névtelen kódok keresését&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsbCom</name>
    <message>
        <source>%1   (modell: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A művelet sikeresen végrehajtva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás, vagy nem elérhető az FTDI függvénykönyvtár!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba lépett fel az FTDI USB driverben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba lépett fel az FTDI USB adatátvitelben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs megnyitott adatátviteli csatorna!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás paraméter az adatátviteli parancsban!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az adatátvitel során nem értelmezhető válasz érkezett!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program működésében belső hiba lépett fel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ismét</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>85%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- - -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kb. %1  feltöltve: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kb. %1  lemerült: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összeszerelve: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szétszedve: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Száraz lett: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedves lett: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2   %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő beállító bejegyzés
keresése az esemény naplóban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs az esemény naplóban óra beállítás bejegyzés,
az óra behangolása nem lehetséges!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kevés idő telt el az óra beállítás óta,
a hangolás még nem lehetséges!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A behangolás nem sikerült!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az óra pontossága behangolva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8K (819)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16K (1638)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24K (2457)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32K (3276)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40K (4095)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48K (4914)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56K (5733)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64K (6552)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>96K (9828)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128K (13104)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160K (16380)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192K (19656)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>224K (22932)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256K (26208)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>512K (52416)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1K (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATMEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MICROCHIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS5C372A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCF8583</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ismeretlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,01V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,08V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,30V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,47V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,56V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,77V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,03V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,18V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,33V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,51V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,70V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,92V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4,14V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4,44V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4,76V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?,??V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADC %1V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zárt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyitott</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Száraz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku hőmérséklet: %L1 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló törlés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Törlés folyamatban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Javítási napló mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A javítási napló mentése nem sikerült
%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A javítási napló mentése nem sikerült
%1 fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sys NVM mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A konfigurációs NVM mentése nem sikerült
%1 fájl írási hiba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A konfigurációs NVM mentése nem sikerült
%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sys NVM visszaállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex fájlok (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fájl megnyitása nem sikerült
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fájl nem tartalmaz megfelelő adatokat
A konfiguráció nem módosult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az óra eltérése túl nagy,
az óra behangolása nem lehetséges!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Késik %n napot</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n napot</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n másodpercet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n percet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Siet %n órát</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n másodpercet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n percet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Késik %n órát</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>addPointDlg</name>
    <message>
        <source>Ellenőrző pont hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrző pont idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ebben az időpontban kell az ellenőrző pontot meglátogatni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ebben az időpontban kell az ellenőrző pontot meglátogatni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrző pont kód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pont meghatározására szolgáló 12 karakteres kód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont meghatározására szolgáló 12 karakteres kód&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrző pontok listájából</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrző pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ellenőrző pont mentése az útvonal tervbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az ellenőrző pont mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visszalépés a pont mentése nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés a pont mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal név: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>addStartDlg</name>
    <message>
        <source>A kiértékelési dátumot ennyivel követő naphoz tartozik a megadott időpont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott időhöz még ennyi napot hozzá kell adni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két egymás utáni pont érintése között legalább enyi időnek el kell telni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Két egymás utáni pont érintése között legalább enyi időnek el kell telni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két egymás utáni pont érintése között legfeljebb ennyi idő telhet el</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Két egymás utáni pont érintése között legfeljebb ennyi idő telhet el&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal ellenőrző pontjait legalább ennyiszer kell a megadott időtartam alatt meglátogatni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal ellenőrző pontjait legalább ennyiszer kell a megadott időtartam alatt meglátogatni&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felvesz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pont idő mentése az útvonal tervbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A pont idő mentése az útvonal tervbe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visszalépés az idő meghatározás mentése nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Visszalépés az idő meghatározás mentése nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Útvonal név: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási idő:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárását az itt megadott időpontban kell elkezdeni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulás legkorábban:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárását legkorábban az itt megadott időpontban kell elkezdeni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulás legkésőbb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárását legkésőbb az itt megadott időpontig el kell kezdeni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Körök közti idő:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két körbejárás között legfeljebb ennyi idő telhet el</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Körszám:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szolgálat kezdete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárásának kezdő időpontja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szolgálat vége:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal bejárásának záró időpontja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Követés legalább:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Követés legfeljebb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennyiszer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kezdő időpont későbbi, mint a vég időpont!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A minimális követési idő nagyobb, mint a maximális követési idő!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő megadási hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási idő módosítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási idő hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási időtartomány módosítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indulási időtartomány hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szolgálati idő módosítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szolgálati idő hozzáadás</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>archiveDlg</name>
    <message>
        <source>Archiválás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A naplóban megmaradó bejegyzések</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurzor sortól a napló végéig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kurzor sort megelőző bejegyzések eltávolításra kerülnek az esemény naplóból, és csak az archivált naplóban maradnak meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kurzor sort megelőző bejegyzések eltávolításra kerülnek az esemény naplóból, és csak az archivált naplóban maradnak meg.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utolsó</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legutolsó, megadott számú kiolvasás adatai maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A legutolsó, megadott számú kiolvasás adatai maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennyi legutóbbi kiolvasás adata marad meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ennyi legutóbbi kiolvasás adata marad meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dátumtól</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az itt megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt megadott dátumú, és az azt követő bejegyzések maradnak meg az esemény naplóban, a többi csak az archiváltban.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Üres napló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az archiválás után az esemény napló üres lesz, illetve csak az archiválást jelölő bejegyzés lesz benne.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az archiválás után az esemény napló üres lesz, illetve csak az archiválást jelölő bejegyzés lesz benne.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az archiválás elindítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az archiválás elindítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem archiválja az esemény naplót</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mégsem archiválja az esemény naplót&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> kiolvasás</source>
        <comment>after the number of read-outs</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>evaluationDlg</name>
    <message>
        <source>Teljesítés kiértékelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Őrjárat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiértékeléshez használandó útvonal terv fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékeléshez használandó útvonal terv fájl&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tallóz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az útvonal terv kiválasztása a fájl böngésző segítségével</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az útvonal terv kiválasztása a fájl böngésző segítségével&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kezdés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiértékelés kezdő dátuma. Az útvonal tervben megadott időpontoknak gyakorlatilag ez a dátum része.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiértékelés kezdő dátuma. Az útvonal tervben megadott időpontoknak gyakorlatilag ez a dátum része.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jelentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A készítendő jelentés adattartamának részletességét lehet itt beállítani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A készítendő jelentés adattartamának részletességét lehet itt beállítani&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>szűkített</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimális adattartalmú, csak a hibákat tartalmazó jelentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Minimális adattartalmú, csak a hibákat tartalmazó jelentés&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egyszerű</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szokásos adat tartalmú jelentés, a hibátlan teljesítéseket is listázza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Szokásos adat tartalmú jelentés, a hibátlan teljesítéseket is listázza&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>részletes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lehető legrészletesebb jelentés, a kimaradt pontok tételes listázásával</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lehető legrészletesebb jelentés, a kimaradt pontok tételes listázásával&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott útvonal terv, kezdő dátum, és részletesség szerint elvégzi a kiértékelést</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A kiválasztott útvonal terv, kezdő dátum, és részletesség szerint elvégzi a kiértékelést&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A párbeszéd ablak bezárása a kiértékelés elindítása nélkül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A párbeszéd ablak bezárása a kiértékelés elindítása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>logFilterDlg</name>
    <message>
        <source>Napló szűrése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendkívüli bejegyzés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a kiválasztott típusú rendkívüli esemény bejegyzések jelennek meg a listában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kiválasztott típusú rendkívüli esemény bejegyzések jelennek meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az itt kiválasztott típusú rendkívüli eseményeken kívül semmilyen más bejegyzés nem jelenik meg a listában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Az itt kiválasztott típusú rendkívüli eseményeken kívül semmilyen más bejegyzés nem jelenik meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bármilyen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manipuláció</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicializálás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat megbontás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku kimerülés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akku mélykisülés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiválás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adatvesztés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosszú szünet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzőpont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a kiválasztott ellenőrző pont érintései jelennek meg a listában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a kiválasztott ellenőrző pont érintései jelennek meg a listában&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAAAAAAAAAAA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kizárólag az ehhez a kódhoz tartozó ellenőrzési pontok kerülnek listázásra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kizárólag az ehhez a kódhoz tartozó ellenőrzési pontok kerülnek listázásra&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Választás a már elnevezett ellenőrzési pontok listájából</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Választás a már elnevezett ellenőrzési pontok listájából&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szűrés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak a megadott szűrési feltételnek megfelelő bejegyzések listázódnak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Csak a megadott szűrési feltételnek megfelelő bejegyzések listázódnak&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem szűr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A szűrés kikapcsolása, minden bejegyzés listázásra kerül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A szűrés kikapcsolása, minden bejegyzés listázásra kerül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Párbeszéd ablak bezárása a szűrési beállítások megváltoztatása nélkül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pageSetupDlg</name>
    <message>
        <source>Oldal beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margók</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>balról:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a bal oldalon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a bal oldalon&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jobbról:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a jobb oldalon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a jobb oldalon&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>felül:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a lap tetején</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a lap tetején&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alul:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem nyomtatható sáv szélessége a lap alján</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem nyomtatható sáv szélessége a lap alján&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lapméret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lap méret kiválasztása a szokásos méretek közül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap méret kiválasztása a szokásos méretek közül&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hosszabb oldal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyedi lapméret hosszabbik oldala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Egyedi lapméret hosszabbik oldala&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rövidebb oldal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyedi lapméret rövidebbik oldala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Egyedi lapméret rövidebbik oldala&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Színkezelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fekete-fehér</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem használ színeket, minden fekete-fehérben jelenik meg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Nem használ színeket, minden fekete-fehérben jelenik meg&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tájolás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>álló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lap magassága nagyobb a szélességénél</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap magassága nagyobb a szélességénél&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fekvő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lap szélessége nagyobb a magasságánál</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap szélessége nagyobb a magasságánál&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A megadott beállítások elfogadása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A megadott beállítások elfogadása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lap beállítások maradnak az eredeti értékükön</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A lap beállítások maradnak az eredeti értékükön&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Felhasználói</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>servicewritedialog</name>
    <message>
        <source>Szervíz vezérlő funkciók</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modell azonosítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frissít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hang, és fényjelzés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vörös LED világítson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zöld LED világítson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frekvencia (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hang teszt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>125 KHz RFID adó</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Killép</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vglClkSetDlg</name>
    <message>
        <source>Óra beállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azonosító név</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyári szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legutóbbi kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elem állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség érzékelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra állás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beállítandó idő megadása:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez a dátum kerül beállításra az &quot;Adott idő&quot; gombbal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ez a dátum kerül beállításra az &amp;quot;Adott idő&amp;quot; gombbal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez az időpont kerül beállításra az &quot;Adott idő&quot; gombbal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ez az időpont kerül beállításra az &amp;quot;Adott idő&amp;quot; gombbal&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilépés az idő módosítása nélkül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kilépés az idő módosítása nélkül.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adott idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fenti mezőkben megadott időre állítja a csatlakoztatott készülék óráját.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A fenti mezőkben megadott időre állítja a csatlakoztatott készülék óráját.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott készülék óráját a számítógép órájához igazítja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A csatlakoztatott készülék óráját a számítógép órájához igazítja.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vglClkTuneDlg</name>
    <message>
        <source>Óra hangolás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azonosító</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyári szám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elem állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkolat állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedvesség</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Óra állás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A művelet megszakítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A művelet megszakítása&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
