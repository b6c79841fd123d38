# The cases of the end-to-end test, in the order they run in one window: NAME, what to type into
# the first and the second operand box ("<as started>" types nothing), and the whole report.
# shellcheck shell=bash

heading=$'Сумата словом:\r\n'

check "the operands the window starts with" "<as started>" "<as started>" \
    $'Число 1: +43252003274489856000\r\nЧисло 2: +00000000000000000000\r\n'$'+43252003274489856000\r\n+00000000000000000000\r\n+43252003274489856000\r\n'$'43252003274489856000\r\nАбсолютната стойност на сумата е с 20 броя цифри \r\n'"${heading}"$' четиридесет и три квинтилиона\r\n двеста петдесет и два квадралиона\r\n'$' три трилиона\r\n двеста седемдесет и четири милиарда\r\n'$' четиристотин осемдесет и девет милиона\r\n осемстотин петдесет и шест хиляди\r\n'

check "Cyrillic letters and junk between the digits" "сто 1а2б3" "-4 5,6" \
    $'Число 1: +123\r\nЧисло 2: -456\r\n+123\r\n-456\r\n-333\r\n333\r\n'$'Абсолютната стойност на сумата е с 3 броя цифри \r\n'"${heading}"$' триста тридесет и три \r\n'

check "blanks and a plus sign; feminine one before thousands" "  20 999 " "+1" \
    $'Число 1: +20999\r\nЧисло 2: +00001\r\n+20999\r\n+00001\r\n+21000\r\n21000\r\n'$'Абсолютната стойност на сумата е с 5 броя цифри \r\n'"${heading}"$' двадесет и една хиляди\r\n'

check "a minus after other characters is junk; an empty box is zero" "x-7" "" \
    $'Число 1: +7\r\nЧисло 2: +0\r\n+7\r\n+0\r\n+7\r\n7\r\n'$'Абсолютната стойност на сумата е с 1 броя цифри \r\n'"${heading}"$' седем \r\n'

check "opposite signs cancel to Нула" "-5" "5" \
    $'Число 1: -5\r\nЧисло 2: +5\r\n-5\r\n+5\r\n+0\r\n0\r\n'$'Абсолютната стойност на сумата е с 1 броя цифри \r\n'"${heading}"$'Нула\r\n'

check "the counting form ends the report without a line break" "1000000" "1" \
    $'Число 1: +1000000\r\nЧисло 2: +0000001\r\n+1000000\r\n+0000001\r\n+1000001\r\n1000001\r\n'$'Абсолютната стойност на сумата е с 7 броя цифри \r\n'"${heading}"$'един милион\r\n и едно '

check "a second press replaces the report" "<as started>" "<as started>" \
    $'Число 1: +1000000\r\nЧисло 2: +0000001\r\n+1000000\r\n+0000001\r\n+1000001\r\n1000001\r\n'$'Абсолютната стойност на сумата е с 7 броя цифри \r\n'"${heading}"$'един милион\r\n и едно '

check "a negative sum of Cyrillic-typed operands" "минус" "-99а000" \
    $'Число 1: +00000\r\nЧисло 2: -99000\r\n+00000\r\n-99000\r\n-99000\r\n99000\r\n'$'Абсолютната стойност на сумата е с 5 броя цифри \r\n'"${heading}"$' деветдесет и девет хиляди\r\n'
