; The setup program's and the uninstaller's texts. In a sentence the suite is
; "les utilitaires VORTALIS": NSIS's French would put its bare name where it
; reads "Fin de l'installation de Utilitaires VORTALIS", so every such text is
; the suite's own. Included after MUI_LANGUAGE, which defines LANG_FRENCH.
; (This file starts with a byte-order mark, so that NSIS reads it as UTF-8.)

LangString VORTALIS_CAPTION ${LANG_FRENCH} "Installation des utilitaires VORTALIS"
LangString VORTALIS_WELCOME_TITLE ${LANG_FRENCH} "Bienvenue dans l'installation des utilitaires VORTALIS"
LangString VORTALIS_WELCOME_TEXT ${LANG_FRENCH} "Keyfold et Sealbox cryptent et décryptent des fichiers, Memoleaf est un pense-bête, Pathwell parcourt les dossiers et ouvre les fichiers.$\r$\n$\r$\nIls seront installés pour tous les utilisateurs de cet ordinateur.$\r$\n$\r$\nCliquez sur Suivant pour continuer."
LangString VORTALIS_LICENCE_SUBTITLE ${LANG_FRENCH} "Veuillez lire les termes de la licence avant d'installer les utilitaires VORTALIS."
LangString VORTALIS_LICENCE_BOTTOM ${LANG_FRENCH} "Si vous en acceptez les termes, cliquez sur J'accepte pour continuer. Il faut les accepter pour installer les utilitaires VORTALIS."
LangString VORTALIS_FOLDER_SUBTITLE ${LANG_FRENCH} "Choisissez le dossier où installer les utilitaires VORTALIS."
LangString VORTALIS_FOLDER_TOP ${LANG_FRENCH} "Les utilitaires VORTALIS seront installés dans le dossier ci-dessous. Pour les installer ailleurs, cliquez sur Parcourir et choisissez un autre dossier. Cliquez sur Installer pour commencer."
LangString ^DirBrowseText ${LANG_FRENCH} "Choisissez le dossier où installer les utilitaires VORTALIS :"
LangString VORTALIS_SPACE_REQUIRED ${LANG_FRENCH} "Espace requis : "
LangString VORTALIS_SPACE_AVAILABLE ${LANG_FRENCH} "Espace disponible : "
LangString VORTALIS_KILOBYTES ${LANG_FRENCH} "Ko"
LangString VORTALIS_MEGABYTES ${LANG_FRENCH} "Mo"
LangString VORTALIS_GIGABYTES ${LANG_FRENCH} "Go"
LangString VORTALIS_TERABYTES ${LANG_FRENCH} "To"
LangString VORTALIS_INSTALLING_SUBTITLE ${LANG_FRENCH} "Veuillez patienter pendant l'installation des utilitaires VORTALIS."
LangString VORTALIS_FINISH_TITLE ${LANG_FRENCH} "Fin de l'installation des utilitaires VORTALIS"
LangString VORTALIS_FINISH_TEXT ${LANG_FRENCH} "Les utilitaires VORTALIS ont été installés sur cet ordinateur.$\r$\n$\r$\nCliquez sur Fermer pour quitter l'installation."
LangString VORTALIS_ABORT_WARNING ${LANG_FRENCH} "Voulez-vous vraiment quitter l'installation des utilitaires VORTALIS ?"

; The uninstaller.
LangString VORTALIS_REMOVAL_CAPTION ${LANG_FRENCH} "Désinstallation des utilitaires VORTALIS"
LangString VORTALIS_CONFIRM_TITLE ${LANG_FRENCH} "Désinstaller les utilitaires VORTALIS"
LangString VORTALIS_CONFIRM_SUBTITLE ${LANG_FRENCH} "Retirer les utilitaires VORTALIS de cet ordinateur."
LangString VORTALIS_CONFIRM_TOP ${LANG_FRENCH} "Les utilitaires VORTALIS vont être retirés du dossier ci-dessous ; les fichiers des utilisateurs restent. Cliquez sur Désinstaller pour commencer."
LangString VORTALIS_REMOVING_SUBTITLE ${LANG_FRENCH} "Veuillez patienter pendant la désinstallation des utilitaires VORTALIS."
