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
LangString ^FileError_NoIgnore ${LANG_FRENCH} "Le fichier « $0 » ne peut pas être remplacé : un programme l'utilise.$\r$\nFermez ce programme, puis cliquez sur Réessayer, ou cliquez sur Annuler pour arrêter l'installation."

; A program of the suite is open (the names are in $HeldPrograms).
LangString VORTALIS_CLOSE_PROGRAMS ${LANG_FRENCH} "Fermez $HeldPrograms, puis cliquez sur Réessayer."
LangString VORTALIS_RETRY ${LANG_FRENCH} "Réessayer"
LangString VORTALIS_CANCEL ${LANG_FRENCH} "Annuler"
LangString VORTALIS_INSTALL_WAITS ${LANG_FRENCH} "L'installation ne remplace pas un programme ouvert. Rien n'a encore été modifié."
LangString VORTALIS_INSTALL_REFUSED ${LANG_FRENCH} "Rien n'a été installé ni modifié : fermez $HeldPrograms, puis relancez l'installation."
LangString VORTALIS_REMOVAL_WAITS ${LANG_FRENCH} "La désinstallation ne supprime pas un programme ouvert. Rien n'a encore été supprimé."
LangString VORTALIS_REMOVAL_REFUSED ${LANG_FRENCH} "Rien n'a été supprimé : fermez $HeldPrograms, puis relancez la désinstallation."

; What stops the setup program after it started to change things.
LangString VORTALIS_EARLIER_NOT_REMOVED ${LANG_FRENCH} "L'installation précédente, dans « $0 », n'a pas pu être retirée : sa désinstallation a fini sur le code $1. Les nouveaux programmes n'ont pas été installés : fermez ce qui utilise ses fichiers, puis relancez l'installation."
LangString VORTALIS_EARLIER_LEFT ${LANG_FRENCH} "L'installation précédente, dans « $0 », n'a pas pu être retirée : $1 y est resté. Les nouveaux programmes n'ont pas été installés : fermez-le, puis relancez l'installation."
LangString VORTALIS_NO_SAFE_FOLDER ${LANG_FRENCH} "Aucun dossier temporaire réservé aux administrateurs n'a pu être créé pour retirer l'installation précédente : rien n'a été modifié."
LangString VORTALIS_FOLDER_NOT_PROTECTED ${LANG_FRENCH} "Le dossier « $INSTDIR » n'a pas pu recevoir les droits d'accès de Program Files (seuls les administrateurs peuvent y écrire) : les programmes n'y ont pas été installés."

; The uninstaller.
LangString VORTALIS_REMOVAL_CAPTION ${LANG_FRENCH} "Désinstallation des utilitaires VORTALIS"
LangString VORTALIS_CONFIRM_TITLE ${LANG_FRENCH} "Désinstaller les utilitaires VORTALIS"
LangString VORTALIS_CONFIRM_SUBTITLE ${LANG_FRENCH} "Retirer les utilitaires VORTALIS de cet ordinateur."
LangString VORTALIS_CONFIRM_TOP ${LANG_FRENCH} "Les utilitaires VORTALIS vont être retirés du dossier ci-dessous ; les fichiers des utilisateurs restent. Cliquez sur Désinstaller pour commencer."
LangString VORTALIS_REMOVING_SUBTITLE ${LANG_FRENCH} "Veuillez patienter pendant la désinstallation des utilitaires VORTALIS."
LangString VORTALIS_FILES_LEFT ${LANG_FRENCH} "Des fichiers n'ont pas pu être supprimés de « $INSTDIR » : un programme les utilise. Les utilitaires VORTALIS restent dans la liste des programmes installés ; fermez ce programme, puis relancez la désinstallation."
