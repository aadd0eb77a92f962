#include "setup/setup_texts.h"

#include "setup/setup_ids.h"

namespace orrery {

namespace {

const WelcomeTexts kEnglishWelcome = {{
    {IDC_LANGUAGE_CANCEL, u"&Cancel"},
    {IDC_LANGUAGE_NEXT, u"&Next"},
    {1015, u"Welcome to the quorvel Astrology Setup program. This program"},
    {1016, u"will install quorvel Astrology on your Pocket PC."},
    {1017, u"Click \"Cancel\" to quit Setup and click \"Next\" to continue with the"},
    {1018, u"Setup program."},
    {1019, u"Before you continue, connect your Pocket PC to this computer"},
    {1020, u"and make sure that the synchronisation software is running."},
    {1021, u"Warning: this program is protected by copyright. You may copy"},
    {1022, u"it and pass it on only as the license agreement on the next"},
    {1023, u"page allows."},
}};

const WelcomeTexts kGermanWelcome = {{
    {IDC_LANGUAGE_CANCEL, u"&Abbrechen"},
    {IDC_LANGUAGE_NEXT, u"&Weiter"},
    {1015, u"Willkommen zu quorvel Astrology. Mit diesem Programm wird"},
    {1016, u"quorvel Astrology auf Ihrem Pocket PC installiert."},
    {1017, u"Klicken Sie auf \"Abbrechen\", um Setup zu beenden, und wählen"},
    {1018, u"Sie \"Weiter\", um mit dem Setup fortzufahren."},
    {1019, u"Verbinden Sie vorher Ihren Pocket PC mit diesem Computer und"},
    {1020, u"vergewissern Sie sich, dass die Synchronisierung läuft."},
    {1021, u"Achtung: Dieses Programm ist urheberrechtlich geschützt. Sie"},
    {1022, u"dürfen es nur so kopieren und weitergeben, wie es der Lizenz-"},
    {1023, u"vertrag auf der nächsten Seite erlaubt."},
}};

// Paragraphs are single lines: the edit control wraps them to its width.
const char16_t kEnglishLicence[] =
    u"QUORVEL ASTROLOGY LICENSE AGREEMENT\r\n"
    u"\r\n"
    u"This agreement is between you and the authors of Quorvel Astrology (the "
    u"\"program\"). By choosing \"I Agree\" and installing the program you accept it. "
    u"If you do not accept it, choose \"Cancel\" and do not install the program.\r\n"
    u"\r\n"
    u"1. Use. You may install the program on any Pocket PC that you own or use, and "
    u"use it there for any lawful purpose.\r\n"
    u"\r\n"
    u"2. Copies. You may copy the program and pass it on to others, free of charge, "
    u"complete and unchanged, together with this agreement.\r\n"
    u"\r\n"
    u"3. Ownership. The program remains the property of its authors. You may not sell "
    u"it, rent it out or take it apart to build other products from it.\r\n"
    u"\r\n"
    u"4. No warranty. The program is provided as it is. Its positions and tables are "
    u"computed with care, but the authors do not promise that they are free of errors "
    u"or fit for any particular purpose.\r\n"
    u"\r\n"
    u"5. Liability. The authors are not liable for any damage or loss caused by using "
    u"the program or by being unable to use it, except where the law does not allow "
    u"this limit.\r\n"
    u"\r\n"
    u"6. End. This agreement ends if you break any of its terms. You must then delete "
    u"every copy of the program.\r\n";

const char16_t kGermanLicence[] =
    u"LIZENZVERTRAG FÜR QUORVEL ASTROLOGY\r\n"
    u"\r\n"
    u"Dieser Vertrag wird zwischen Ihnen und den Autoren von Quorvel Astrology (dem "
    u"\"Programm\") geschlossen. Wenn Sie \"Lizenz akzeptieren\" wählen und das "
    u"Programm installieren, stimmen Sie ihm zu. Wenn Sie nicht zustimmen, wählen Sie "
    u"\"Abbruch\" und installieren Sie das Programm nicht.\r\n"
    u"\r\n"
    u"1. Nutzung. Sie dürfen das Programm auf jedem Pocket PC installieren, den Sie "
    u"besitzen oder nutzen, und es dort für jeden rechtmäßigen Zweck verwenden.\r\n"
    u"\r\n"
    u"2. Kopien. Sie dürfen das Programm kopieren und an andere weitergeben, "
    u"kostenlos, vollständig und unverändert, zusammen mit diesem Vertrag.\r\n"
    u"\r\n"
    u"3. Eigentum. Das Programm bleibt Eigentum seiner Autoren. Sie dürfen es nicht "
    u"verkaufen, vermieten oder zerlegen, um daraus andere Produkte zu bauen.\r\n"
    u"\r\n"
    u"4. Keine Gewährleistung. Das Programm wird so überlassen, wie es ist. Seine "
    u"Positionen und Tabellen werden sorgfältig berechnet, doch die Autoren sichern "
    u"nicht zu, dass sie fehlerfrei oder für einen bestimmten Zweck geeignet sind.\r\n"
    u"\r\n"
    u"5. Haftung. Die Autoren haften nicht für Schäden oder Verluste, die durch die "
    u"Nutzung des Programms oder die Unmöglichkeit seiner Nutzung entstehen, soweit "
    u"das Gesetz diese Beschränkung zulässt.\r\n"
    u"\r\n"
    u"6. Ende. Dieser Vertrag endet, wenn Sie gegen eine seiner Bestimmungen "
    u"verstoßen. Sie müssen dann alle Kopien des Programms löschen.\r\n";

}  // namespace

const WelcomeTexts& WelcomeTextsFor(SetupLanguage language) {
    return language == SetupLanguage::German ? kGermanWelcome : kEnglishWelcome;
}

const char16_t* LicenceTextFor(SetupLanguage language) {
    return language == SetupLanguage::German ? kGermanLicence : kEnglishLicence;
}

int LicenceTemplateFor(SetupLanguage language) {
    return language == SetupLanguage::German ? IDD_LICENCE_GERMAN : IDD_LICENCE_ENGLISH;
}

}  // namespace orrery
