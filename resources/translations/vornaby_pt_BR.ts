<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../about_form.ui" line="8"/>
        <source>About Vornaby</source>
        <translation>Sobre o Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="30"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="15"/>
        <source>Vornaby icon</source>
        <translation>Ícone do Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="19"/>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, versão 1.0</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="24"/>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 os desenvolvedores do Vornaby, licença MIT</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="35"/>
        <source>Pure tones for listening tests.</source>
        <translation>Tons puros para testes de audição.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../main_form.ui" line="18"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="30"/>
        <source>play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="88"/>
        <source>Advanced  Mode</source>
        <translation>Modo avançado</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="93"/>
        <source>Advanced Mode</source>
        <translation>Modo avançado</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="104"/>
        <source>Simple Mode</source>
        <translation>Modo simples</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="25"/>
        <location filename="../main_form.ui" line="41"/>
        <location filename="../main_form.ui" line="97"/>
        <source>Frequency(hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="37"/>
        <location filename="../main_form.ui" line="48"/>
        <source>time(ms)</source>
        <translation>Duração (ms)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="69"/>
        <source>Preset frequency(hz)</source>
        <translation>Frequência predefinida (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="113"/>
        <source>Frequency slider</source>
        <translation>Controle deslizante de frequência</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../framework/Prompt.cpp" line="15"/>
        <source>Please enter a whole number.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <location filename="../../framework/Prompt.cpp" line="20"/>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Digite um número de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../qt/QtProgramResources.cpp" line="34"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../ProgramResources.cpp" line="17"/>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;Sobre o Vornaby...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="100"/>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="101"/>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location filename="../../framework/qt/DialogWindow.cpp" line="191"/>
        <source>Window menu</source>
        <translation>Menu da janela</translation>
    </message>
</context>
</TS>
