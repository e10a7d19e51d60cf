# Power of attorney for one person acting for a company; the powers are
# check boxes, each printed as a numbered line only when ticked, and with none
# ticked a blank line is left to write them in by hand.
title: Power of Attorney
footer: Power of Attorney
page-numbers: no

defaults block
  bold: yes
  space-before: 6
defaults paragraph
  align: justify
  space-before: 3

pages
  page
    block
      text: >
        POWER OF ATTORNEY {IF Number THEN номер:Number ELSE "No.{}______"}
      size: 13
      align: center
      space-before: 0
      paragraph
        text: >
          {IF City THEN City ELSE "______"}, {IF Issue date THEN
          long:Issue date ELSE "______"}
        align: center
        italic: yes
      paragraph
        text: >
          {IF Company THEN Company ELSE "______"}, represented by
          {IF Director THEN Director ELSE "______"}, hereby authorizes
          {IF Attorney THEN Attorney ELSE "______"}, holder of {IF
          passport THEN passport:passport ELSE "passport ______"}, to act for the company in
          the following matters:
        first-indent: 10
    block
      paragraph
        numbering: 1) restart
        text: {IF powers < "sign" THEN "to sign contracts of sale and supply;"}
      paragraph
        numbering: 1)
        text: {IF powers < "receive" THEN "to receive goods and sign delivery notes;"}
      paragraph
        numbering: 1)
        text: {IF powers < "represent" THEN "to represent the company before public authorities;"}
      paragraph
        numbering: 1)
        text: {IF NOT Powers THEN "________________________________________________;"}
      paragraph
        text: and to do whatever else these matters require.
        first-indent: 10
    block
      paragraph
        text: >
          This power of attorney is valid until {IF Valid until THEN
          "<span style=white-space:nowrap>" long:Valid until "</span>"
          ELSE "______"}{Days valid = Valid until - Issue date}{IF Valid until
          AND Issue date AND Days valid > 0 THEN " (" Days valid " {IF
          Days valid = 1 THEN "day" ELSE "days"} from issue)"}{IF Substitution = "allowed"
          THEN " and may be passed on to another person" ELSE " and may not be
          passed on"}.
      paragraph
        text: Specimen signature of the attorney{}{}{}{}{}{}______________________
      paragraph
        text: {IF Director THEN Director ELSE "______"}{}{}{}{}{}{}______________________
        bold: yes

parameters
  section Power
    field Number
      type: plain
      caption: Number
      value: 17
    field City
      type: text
      caption: City
      value: Seattle
    field Issue date
      type: date
      caption: Date of issue
      value: 1/15/2026
    field Valid until
      type: date
      caption: Valid until
      value: 12/31/2026
    field Powers
      type: options
      caption: Powers granted
      value: sign contracts receive goods
      option sign contracts
        selected: yes
      option receive goods
        selected: yes
      option represent the company
    field Substitution
      type: choice
      caption: Passing the power on
      value: not allowed
      option allowed
      option not allowed
        selected: yes
  section People
    field Company
      type: text
      caption: Company
      value: Northwind Trading LLC
    field Director
      type: text
      caption: Director
      value: Jane Miller
    field Attorney
      type: text
      caption: Attorney
      value: Thomas Becker
    field Passport
      type: plain
      caption: Attorney's passport
      value: 548213907
