#!/usr/bin/env python3
"""Replays a `tavik-cli play --log` file with its own implementation of the rules and
referees every event: the deal, the first attacker, each card's legality, the attack
limits, the draws after each bout and the kon results. Exits 1 at the first breach."""
import json
import sys

RANKS = "6789" + "1" + "ВДКТ"


def rank(card):
    return RANKS.index(card[0]) + 1


def suit(card):
    return card[1]


def beats(attack, defence, trump):
    if suit(defence) == suit(attack):
        return rank(defence) > rank(attack)
    return suit(defence) == trump


def lowest_trump(hand, trump):
    values = [rank(c) for c in hand if suit(c) == trump]
    return min(values) if values else 10


class Referee:
    def __init__(self):
        self.last_result = 0
        self.last_kon = 0
        self.kons = 0

    def fail(self, n, why):
        raise SystemExit(f"line {n}: {why}")

    def deal(self, n, e):
        deck = e["deck"]
        if sorted(deck) != sorted(set(deck)) or len(deck) != 36:
            self.fail(n, "the deck is not 36 different cards")
        self.deck, self.next = deck, 12
        self.trump = suit(deck[35])
        self.hands = {1: deck[0:6], 2: deck[6:12]}
        self.table, self.attacks, self.free, self.taking = [], 0, 0, False
        if e["kon"] < self.last_kon:  # a new match: the trumps decide again
            self.last_result = 0
        self.last_kon = e["kon"]
        if self.last_result in (1, 2):
            expected = self.last_result
        else:
            t1, t2 = lowest_trump(self.hands[1], self.trump), lowest_trump(self.hands[2], self.trump)
            expected = 1 if t1 < t2 else 2
        if e["attacker"] != expected:
            self.fail(n, f"attacker {e['attacker']}, expected {expected}")
        self.attacker = expected

    def move(self, n, e):
        seat, kind, card = e["seat"], e["kind"], e["card"]
        defender = 3 - self.attacker
        if (kind == 3) != (seat == defender):
            self.fail(n, f"kind {kind} by the wrong seat")
        if card is None:
            if kind == 1:
                self.fail(n, "a lead cannot be a pass")
            if kind == 3:
                self.taking = True
            if kind == 2 and self.free != 0:
                self.fail(n, "stopped with unbeaten cards")
            return
        if card not in self.hands[seat]:
            self.fail(n, f"{card} is not in the hand of seat {seat}")
        if kind == 1 and self.table:
            self.fail(n, "a lead on a non-empty table")
        if kind in (2, 4):
            if rank(card) not in {rank(c) for c in self.table}:
                self.fail(n, f"{card} shares no rank with the table")
            if kind == 4 and not self.taking:
                self.fail(n, "added to a defender who did not take")
        if kind != 3:
            if self.attacks >= 6 or len(self.hands[defender]) <= self.free:
                self.fail(n, f"{card} breaks the attack limit")
            self.attacks += 1
            self.free += 1
            self.last_attack = card
        else:
            if self.taking or self.free == 0 or not beats(self.last_attack, card, self.trump):
                self.fail(n, f"{card} does not beat {self.last_attack}")
            self.free = 0
        self.hands[seat].remove(card)
        self.table.append(card)

    def draw(self, seat):
        while len(self.hands[seat]) < 6 and self.next < 36:
            self.hands[seat].append(self.deck[self.next])
            self.next += 1

    def bout(self, n, e):
        if e["attacker"] != self.attacker:
            self.fail(n, "bout of the wrong attacker")
        defender = 3 - self.attacker
        if e["end"] == "discard":
            if self.taking or self.free:
                self.fail(n, "discard with unbeaten cards")
            self.draw(self.attacker)
            self.draw(defender)
            self.attacker = defender
        else:
            if not self.taking:
                self.fail(n, "take without a take")
            self.hands[defender] += self.table
            self.draw(self.attacker)
        self.table, self.attacks, self.free, self.taking = [], 0, 0, False

    def kon(self, n, e):
        empty1, empty2 = not self.hands[1], not self.hands[2]
        expected = 3 if empty1 and empty2 else 1 if empty1 else 2 if empty2 else 0
        if self.next < 36 or e["result"] != expected:
            self.fail(n, f"result {e['result']}, expected {expected}")
        self.last_result = e["result"]
        self.kons += 1


def main(path):
    ref = Referee()
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            e = json.loads(line)
            getattr(ref, e["event"], lambda n, e: None)(n, e)
    print(f"refereed {ref.kons} kons")


if __name__ == "__main__":
    main(sys.argv[1])
