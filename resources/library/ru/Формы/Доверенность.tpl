# Доверенность гражданина гражданину: полномочия отмечаются флажками и
# печатаются списком с буквами (без отмеченных предложение кончается без
# списка), дата выдачи пишется прописью.
title: Доверенность
footer: Доверенность
page-numbers: no

defaults block
  bold: yes
  align: center
  space-before: 6
defaults paragraph
  align: justify
  space-before: 3
  first-indent: 10

pages
  page
    block
      text: ДОВЕРЕННОСТЬ
      size: 14
      space-before: 0
      paragraph
        text: г.{}{Город}, {прописью:дата выдачи}
        align: center
        italic: yes
        first-indent: 0
      paragraph
        text: >
          Я, {фио доверителя}, {короткая:Дата рождения доверителя} года
          рождения, паспорт {паспорт доверителя}, настоящей доверенностью
          уполномочиваю {в:фио представителя}, паспорт {паспорт представителя},
          {ЕСЛИ Полномочия ТО "совершать от моего имени следующие действия:"
          ИНАЧЕ "действовать от моего имени."}
    block
      paragraph
        numbering: A. restart
        text: >
          {ЕСЛИ Полномочия < "пенсию" ТО "получать причитающуюся мне пенсию и
          иные социальные выплаты;"}
      paragraph
        numbering: A.
        text: >
          {ЕСЛИ Полномочия < "почту" ТО "получать почтовые отправления на моё
          имя;"}
      paragraph
        numbering: A.
        text: >
          {ЕСЛИ Полномочия < "в банке" ТО "представлять мои интересы в банке "
          банк ", распоряжаться моими счетами;"}
      paragraph
        numbering: A.
        text: >
          {ЕСЛИ Полномочия < "в суде" ТО "вести от моего имени дела в судах со
          всеми правами истца и ответчика;"}
      paragraph
        text: >
          {ЕСЛИ Полномочия ТО "а также совершать все иные действия, необходимые
          для выполнения этого поручения."}
    block
      paragraph
        text: >
          Доверенность действительна до {ЕСЛИ Действительна до ТО
          "<span style=white-space:nowrap>" длинная:действительна до "</span>"
          ИНАЧЕ "______"}
          {ЕСЛИ Передоверие = "разрешено" ТО "с правом" ИНАЧЕ "без права"}
          передоверия.
      paragraph
        text: >
          Подпись {р:фамилия:фио доверителя}{}{}{}{}{}____________________
          {}{}{инициалы:фио доверителя}
        first-indent: 0
        space-before: 10
      paragraph
        text: >
          {ЕСЛИ Примечание ТО Примечание}
        italic: yes
        size: 9

parameters
  section Доверитель
    field Город
      type: text
      caption: Город
      value: Новосибирск
    field Дата выдачи
      type: date
      caption: Дата выдачи
      value: 05.02.2026
    field фио доверителя
      type: text
      caption: Доверитель (фамилия, имя, отчество)
      value: Фёдоров Николай Степанович
    field Дата рождения доверителя
      type: date
      caption: Дата рождения доверителя
      value: 14.09.1951
    field Паспорт доверителя
      type: plain
      caption: Паспорт доверителя
      value: 5004 112233
  section Представитель
    field фио представителя
      type: text
      caption: Представитель (фамилия, имя, отчество)
      value: Фёдорова Ирина Николаевна
    field Паспорт представителя
      type: plain
      caption: Паспорт представителя
      value: 5010 445566
  section Полномочия
    field Полномочия
      type: options
      caption: Что поручается
      value: получать пенсию представлять в банке
      option получать пенсию
        selected: yes
      option получать почту
      option представлять в банке
        selected: yes
      option вести дела в суде
    field Банк
      type: pick
      caption: Банк
      value: ПАО Сбербанк
      condition: не Полномочия < "в банке"
    field Действительна до
      type: date
      caption: Действительна до
      value: 05.02.2029
    field Передоверие
      type: choice
      caption: Передоверие
      value: запрещено
      option разрешено
      option запрещено
        selected: yes
    field Примечание
      type: memo
      caption: Примечание (печатается мелким шрифтом)
